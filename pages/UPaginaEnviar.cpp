#include "pages/UPaginaEnviar.h"

#include "document/UArchivoProyecto.h"
#include "document/UCarpetaTrabajo.h"
#include "form/UDescripcionTecnica.h"
#include "form/UNombrePaquete.h"
#include "package/KZip.h"
#include "pages/UPaginaDescripcionTecnica.h"
#include "widgets/UAbrirConPrograma.h"
#include "widgets/UBarraSeguirEditando.h"
#include "widgets/UDialogos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kFailure = QStringLiteral("Ha ocurrido un error al enviar el proyecto. Verifique "
                                        "que UD. tiene permiso de escritura en la carpeta de "
                                        "destino.");
// A package that takes longer than this to write shows its progress.
constexpr int kProgressDelay = 500;
constexpr int kProgressSteps = 1000;

QString Quoted(const QString& name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QString WithSeparator(const QString& folder) {
    return folder.isEmpty() || folder.endsWith(QLatin1Char('/')) ||
                   folder.endsWith(QDir::separator())
               ? folder
               : folder + QLatin1Char('/');
}

} // namespace

TPaginaEnviar::TPaginaEnviar(const TPaginaDescripcionTecnica* descripcionTecnica, QWidget* parent)
    : QWidget(parent), descripcionTecnica_(descripcionTecnica), progressDelay_(kProgressDelay),
      exportarErrorLabel_(
          new QLabel(QStringLiteral("Debe verificar el proyecto para poder enviar el proyecto"))),
      exportarGroupBox_(new QGroupBox(QStringLiteral("Enviar el proyecto"))),
      exportarFolderEdit_(new QLineEdit), Button7_(new QPushButton(QStringLiteral("Examinar"))),
      abrirExportarFolderButton_(new QPushButton(QStringLiteral("Abrir destino"))),
      enviarProyectoButton_(new QPushButton(QStringLiteral("Enviar el proyecto"))),
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
    Button7_->setObjectName(QStringLiteral("Button7"));
    abrirExportarFolderButton_->setObjectName(QStringLiteral("abrirExportarFolderButton"));
    enviarProyectoButton_->setObjectName(QStringLiteral("enviarProyectoButton"));

    connect(exportarFolderEdit_, &QLineEdit::textChanged, this,
            &TPaginaEnviar::exportarFolderEditChange);
    connect(Button7_, &QPushButton::clicked, this, &TPaginaEnviar::Button7Click);
    connect(abrirExportarFolderButton_, &QPushButton::clicked, this,
            &TPaginaEnviar::abrirExportarFolderButtonClick);
    connect(enviarProyectoButton_, &QPushButton::clicked, this,
            &TPaginaEnviar::enviarProyectoButtonClick);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(exportarFolderEdit_, 1);
    folderRow->addWidget(Button7_);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(abrirExportarFolderButton_);
    buttonRow->addWidget(enviarProyectoButton_);
    auto* frame = new QVBoxLayout(exportarGroupBox_);
    frame->addWidget(Label101);
    frame->addLayout(folderRow);
    frame->addLayout(buttonRow);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(exportarErrorLabel_);
    layout->addWidget(exportarGroupBox_);
    layout->addStretch(1);
    layout->addWidget(barra_, 0, Qt::AlignRight);

    // Until a verification says otherwise nothing can be sent.
    ShowVerified(false);
    exportarFolderEditChange();
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
    // Also when the text stays the same: the folder may have appeared or gone since.
    exportarFolderEditChange();
}

void TPaginaEnviar::exportarFolderEditChange() {
    // The buttons' own state: the frame disables them too while the project is not verified.
    const bool exists = QFileInfo(Folder()).isDir();
    enviarProyectoButton_->setEnabled(exists);
    abrirExportarFolderButton_->setEnabled(exists);
}

void TPaginaEnviar::Button7Click() {
    const QString working = WorkingFolder();
    const QString chosen = Dialogos().ChooseFolder(
        QStringLiteral("Seleccione una carpeta"), QFileInfo(working).isDir() ? working : QString());
    if (chosen.isEmpty())
        return;
    SetFolder(WithSeparator(chosen));
}

void TPaginaEnviar::abrirExportarFolderButtonClick() {
    if (configuracion_ != nullptr)
        OpenWithConfiguredProgram(*configuracion_, QStringLiteral("abrirdestino"), Folder());
    else
        Abridor().OpenWithDefault(Folder());
}

void TPaginaEnviar::enviarProyectoButtonClick() {
    QString name;
    bool created = false;
    try {
        name = GetPackageName() + QStringLiteral(".zip");
        // A folder kept without its final separator still takes the package inside it.
        const QString target = WithSeparator(Folder()) + name;

        if (QFileInfo::exists(target)) {
            const TBotonDialogo answer = Dialogos().ShowCaptionedDialog(
                QStringLiteral("Ya existe el archivo ") + Quoted(name) +
                    QStringLiteral(" en el lugar especificado. ¿Desea sobreescribirlo?"),
                QStringLiteral("Ya existe el archivo"), TTipoDialogo::Confirmacion,
                {QStringLiteral("Aceptar"), QStringLiteral("Cancelar")},
                TBotonDialogo::Aceptar | TBotonDialogo::Cancelar);
            if (answer != TBotonDialogo::Aceptar)
                return;
        }
        QFile::remove(target);
        if (QFileInfo::exists(target)) {
            Dialogos().ShowError(QStringLiteral("No se pudo eliminar el archivo ") + Quoted(name) +
                                 QStringLiteral(" en el lugar especificado."));
            return;
        }
        created = WritePackage(target, name);
    } catch (...) {
        // Whatever failed, no package is reported as created.
        created = false;
    }
    if (created)
        Dialogos().ShowInformation(QStringLiteral("Se ha creado el archivo ") + Quoted(name) +
                                   QStringLiteral(" en el lugar especificado."));
    else
        Dialogos().ShowError(kFailure);
}

bool TPaginaEnviar::WritePackage(const QString& target, const QString& name) {
    const QStringList sources = {TArchivoProyecto::Nombre(),
                                 TDescripcionTecnica::Ruta(descripcionTecnica_->AttachedName())};

    // The archive is written here, on the window's thread; the window waits behind a modal
    // progress bar, which only appears when the writing takes a while.
    QProgressDialog progress(QStringLiteral("Escribiendo el archivo ") + Quoted(name) +
                                 QStringLiteral("..."),
                             QString(), 0, kProgressSteps, window());
    progress.setObjectName(QStringLiteral("enviarProgressDialog"));
    progress.setWindowTitle(QStringLiteral("Enviar el proyecto"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(progressDelay_);
    progress.setValue(0);

    TKZip zip;
    zip.ZipFiles(target, 2, sources, [&progress](qint64 done, qint64 total) {
        progress.setValue(total > 0 ? int(done * kProgressSteps / total) : kProgressSteps);
    });
    progress.reset();
    // The writer raises on every failure; the archive must also be there.
    return QFileInfo(target).isFile();
}
