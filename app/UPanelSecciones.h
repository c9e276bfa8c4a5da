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
    // The help keyword the link opens.
    const QString& AyudaKeyword() const { return ayudaKeyword_; }

    // The focus entered a group box of the form: a box with a help keyword enables the link,
    // naming the box; anything else disables it.
    void GroupBox6Enter(QObject* sender);
    // The focus left a group box of the form: the link is disabled.
    void GroupBox6Exit(QObject* sender);

  private:
    void DisableAyuda();

    QListWidget* seccionList_;
    TEtiquetaClic* AyudaLabel_;
    QString ayudaKeyword_;
};
