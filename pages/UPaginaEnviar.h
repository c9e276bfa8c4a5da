#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class TBarraSeguirEditando;

// The main page "Enviar el proyecto" (exportarTab): the destination folder of the submission
// package. Its frame is usable only while the project is verified.
class TPaginaEnviar : public QWidget {
    Q_OBJECT
  public:
    explicit TPaginaEnviar(QWidget* parent = nullptr);

    // Enables the frame and hides the warning exactly when verified.
    void ShowVerified(bool verified);

    QString Folder() const;
    void SetFolder(const QString& folder);

    TBarraSeguirEditando* Barra() const { return barra_; }

  private:
    QLabel* exportarErrorLabel_;
    QGroupBox* exportarGroupBox_;
    QLineEdit* exportarFolderEdit_;
    TBarraSeguirEditando* barra_;
};
