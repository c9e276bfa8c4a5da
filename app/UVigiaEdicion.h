#pragma once

#include <QList>
#include <QObject>

class QWidget;

// Tells when the user changes any field below a widget: typing or pasting into a text, a choice
// from a pick list, a date, a check box. Values the program sets itself do not count.
class TVigiaEdicion : public QObject {
    Q_OBJECT
  public:
    // Watches every field below the root as it is now, except those below the widgets left out.
    TVigiaEdicion(QWidget* root, const QList<QWidget*>& excluidos, QObject* parent = nullptr);

  signals:
    void editado();
};
