#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TBarraSeguirEditando;
class TConfiguracion;
class TPaginaDescripcionTecnica;

// The main page "Enviar el proyecto" (exportarTab): the destination folder and the command
// that writes the submission package, a zip file with "proyecto.xml" as last saved and the
// attached technical description. Its frame is usable only while the project is verified.
class TPaginaEnviar : public QWidget {
    Q_OBJECT
  public:
    // The package takes its technical description from that page.
    explicit TPaginaEnviar(const TPaginaDescripcionTecnica* descripcionTecnica,
                           QWidget* parent = nullptr);

    // The configuration that names the program opening the destination folder.
    void SetConfiguracion(const TConfiguracion* configuracion) { configuracion_ = configuracion; }

    // Enables the frame and hides the warning exactly when verified.
    void ShowVerified(bool verified);

    QString Folder() const;
    // Shows the folder and runs exportarFolderEditChange.
    void SetFolder(const QString& folder);

    // How long writing a package may take before its progress is shown, in milliseconds.
    void SetProgressDelay(int milliseconds) { progressDelay_ = milliseconds; }

    // The destination folder changed: the package can be written, and the folder opened,
    // exactly when the folder exists.
    void exportarFolderEditChange();
    // "Examinar": the user chooses the destination folder.
    void Button7Click();
    // "Abrir destino": opens the destination folder with the configured or the default program.
    void abrirExportarFolderButtonClick();
    // "Enviar el proyecto": writes the package into the destination folder.
    void enviarProyectoButtonClick();

    TBarraSeguirEditando* Barra() const { return barra_; }

  private:
    // Writes the package at target; true when it is complete there.
    bool WritePackage(const QString& target, const QString& name);

    const TPaginaDescripcionTecnica* descripcionTecnica_;
    const TConfiguracion* configuracion_ = nullptr;
    int progressDelay_;
    QLabel* exportarErrorLabel_;
    QGroupBox* exportarGroupBox_;
    QLineEdit* exportarFolderEdit_;
    QPushButton* Button7_;
    QPushButton* abrirExportarFolderButton_;
    QPushButton* enviarProyectoButton_;
    TBarraSeguirEditando* barra_;
};
