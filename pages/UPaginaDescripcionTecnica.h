#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class TBarraSeguirEditando;

// The main page "Descripción Técnica" (descripcionTecnicaTab), where the technical
// description file is attached. Attaching copies the chosen file into "desctec/" of the
// working folder at once; the project keeps only the file's name, stored with the next save.
class TPaginaDescripcionTecnica : public QWidget {
    Q_OBJECT
  public:
    explicit TPaginaDescripcionTecnica(QWidget* parent = nullptr);

    // Shows the name, in green, when "desctec/" holds a file of that name, and lets it be
    // opened; otherwise shows "Ninguno" in red: nothing is attached.
    void ShowAttachedName(const QString& name);
    // The name of the attached file; empty when nothing is attached.
    QString AttachedName() const { return attachedName_; }

    // Attaches a file chosen by the user, replacing the current one after asking.
    void Button4Click();
    // Opens the attached copy with the desktop's program for it.
    void Button6Click();

    TBarraSeguirEditando* Barra() const { return barra_; }

  signals:
    // Another file was attached: what was verified no longer holds.
    void adjuntoCambiado();

  private:
    QString attachedName_;
    QLabel* descripcionTecnicaLabel_;
    QPushButton* Button6_;
    QPushButton* Button4_;
    TBarraSeguirEditando* barra_;
};
