#pragma once

#include <QWidget>

class QListWidget;

// The page "#Textos" (textosTab), never shown to the user: the code lists as pairs of list
// boxes, names beside codes, in the order the pick lists offer them.
class TPaginaTextos : public QWidget {
    Q_OBJECT
  public:
    explicit TPaginaTextos(QWidget* parent = nullptr);

  private:
    void AddList(const QString& name, const QStringList& items, int row, int column);
};
