#pragma once

#include <QFrame>

class QListWidget;
class TEtiquetaClic;

// The left side of the editor page (seccionesPanel): the logo, the help link and the list of
// sections that moves between the form pages.
class TPanelSecciones : public QFrame {
    Q_OBJECT
  public:
    explicit TPanelSecciones(QWidget* parent = nullptr);

    QListWidget* seccionList() const { return seccionList_; }
    TEtiquetaClic* AyudaLabel() const { return AyudaLabel_; }

  private:
    QListWidget* seccionList_;
    TEtiquetaClic* AyudaLabel_;
};
