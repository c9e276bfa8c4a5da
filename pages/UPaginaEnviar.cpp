#include "pages/UPaginaEnviar.h"

#include "app/UBarraSeguirEditando.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TPaginaEnviar::TPaginaEnviar(QWidget* parent)
    : QWidget(parent),
      exportarErrorLabel_(
          new QLabel(QStringLiteral("Debe verificar el proyecto para poder enviar el proyecto"))),
      exportarGroupBox_(new QGroupBox(QStringLiteral("Enviar el proyecto"))),
      exportarFolderEdit_(new QLineEdit),
      barra_(new TBarraSeguirEditando(QStringLiteral("Button5"), QStringLiteral("Image4"))) {
    setObjectName(QStringLiteral("exportarTab"));

    exportarErrorLabel_->setObjectName(QStringLiteral("exportarErrorLabel"));
    exportarErrorLabel_->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    exportarGroupBox_->setObjectName(QStringLiteral("exportarGroupBox"));

    auto* Label101 = new QLabel(QStringLiteral("Debe especificar donde guardar el archivo "
                                               "exportado, que luego deberá enviar al Velorn"));
    Label101->setObjectName(QStringLiteral("Label101"));
    Label101->setWordWrap(true);
    exportarFolderEdit_->setObjectName(QStringLiteral("exportarFolderEdit"));
    // The folder is chosen, never typed.
    exportarFolderEdit_->setReadOnly(true);

    auto* frame = new QVBoxLayout(exportarGroupBox_);
    frame->addWidget(Label101);
    frame->addWidget(exportarFolderEdit_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(exportarErrorLabel_);
    layout->addWidget(exportarGroupBox_);
    layout->addStretch(1);
    layout->addWidget(barra_, 0, Qt::AlignRight);

    // Until a verification says otherwise nothing can be sent.
    ShowVerified(false);
}

void TPaginaEnviar::ShowVerified(bool verified) {
    exportarGroupBox_->setEnabled(verified);
    exportarErrorLabel_->setVisible(!verified);
}

QString TPaginaEnviar::Folder() const {
    return exportarFolderEdit_->text();
}

void TPaginaEnviar::SetFolder(const QString& folder) {
    exportarFolderEdit_->setText(folder);
}
