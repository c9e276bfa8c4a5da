#include "pages/UPaginaDescripcionTecnica.h"

#include "app/UAbrirConPrograma.h"
#include "app/UBarraSeguirEditando.h"
#include "app/UDialogos.h"
#include "document/UArchivoAtomico.h"
#include "document/UArchivoProyecto.h"
#include "document/UCarpetaTrabajo.h"
#include "package/UNombrePortable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kNinguno = QStringLiteral("Ninguno");
const QString kFolder = QStringLiteral("desctec/");

QString AttachedFolder() {
    return WorkingFolder() + kFolder;
}

// Whether both paths name the same existing file.
bool SameFile(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// Copies source over target: target is replaced only once the copy is complete, and keeps
// its content when the copy fails.
bool CopyReplacing(const QString& source, const QString& target) {
    return TArchivoAtomico::CopyFile(source, target, nullptr);
}

} // namespace

TPaginaDescripcionTecnica::TPaginaDescripcionTecnica(QWidget* parent)
    : QWidget(parent), descripcionTecnicaLabel_(new QLabel),
      Button6_(new QPushButton(QStringLiteral("Abrir Descripción Técnica"))),
      Button4_(new QPushButton(QStringLiteral("Seleccionar Descripción Técnica"))),
      barra_(new TBarraSeguirEditando(QStringLiteral("Button9"), QStringLiteral("Image5"))) {
    setObjectName(QStringLiteral("descripcionTecnicaTab"));

    auto* group = new QGroupBox(QStringLiteral("Descripción Técnica"));
    group->setObjectName(QStringLiteral("descripcionTecnicaGroupBox"));
    auto* Label103 = new QLabel(QStringLiteral("Archivo seleccionado:"));
    Label103->setObjectName(QStringLiteral("Label103"));
    descripcionTecnicaLabel_->setObjectName(QStringLiteral("descripcionTecnicaLabel"));
    QFont bold = descripcionTecnicaLabel_->font();
    bold.setBold(true);
    descripcionTecnicaLabel_->setFont(bold);
    Button6_->setObjectName(QStringLiteral("Button6"));
    Button4_->setObjectName(QStringLiteral("Button4"));
    connect(Button6_, &QPushButton::clicked, this, &TPaginaDescripcionTecnica::Button6Click);
    connect(Button4_, &QPushButton::clicked, this, &TPaginaDescripcionTecnica::Button4Click);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(Label103);
    nameRow->addWidget(descripcionTecnicaLabel_, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(Button6_);
    buttonRow->addWidget(Button4_);
    buttonRow->addStretch(1);
    auto* frame = new QVBoxLayout(group);
    frame->addLayout(nameRow);
    frame->addLayout(buttonRow);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch(1);
    layout->addWidget(barra_, 0, Qt::AlignRight);

    ShowAttachedName(QString());
}

QString TPaginaDescripcionTecnica::AttachedPath(const QString& name) {
    return AttachedFolder() + name;
}

void TPaginaDescripcionTecnica::ShowAttachedName(const QString& name) {
    // Only a plain file name inside "desctec/" counts: an empty name would name the folder
    // itself, and a name with a folder in it was not attached by this page.
    const bool attached = !name.isEmpty() && QFileInfo(name).fileName() == name &&
                          QFileInfo(AttachedPath(name)).isFile();
    attachedName_ = attached ? name : QString();
    descripcionTecnicaLabel_->setText(attached ? name : kNinguno);
    QPalette palette = descripcionTecnicaLabel_->palette();
    palette.setColor(QPalette::WindowText, attached ? QColor(Qt::darkGreen) : QColor(Qt::red));
    descripcionTecnicaLabel_->setPalette(palette);
    Button6_->setEnabled(attached);
}

void TPaginaDescripcionTecnica::Button4Click() {
    const QString current = AttachedName();
    const bool attached = !current.isEmpty() && QFileInfo(AttachedPath(current)).isFile();
    if (attached && Dialogos().ShowCaptionedDialog(
                        QStringLiteral("¿Desea eliminar la descripción técnica actual?."),
                        QStringLiteral("Confirmación"), TTipoDialogo::Confirmacion,
                        {QStringLiteral("Aceptar"), QStringLiteral("Cancelar")},
                        TBotonDialogo::Aceptar | TBotonDialogo::Cancelar) != TBotonDialogo::Aceptar)
        return;

    const QString chosen =
        Dialogos().ChooseFile(QStringLiteral("Seleccionar Descripción Técnica"),
                              QDir::currentPath(), QStringLiteral("Todos los archivos (*)"));
    if (chosen.isEmpty())
        return;

    // The new copy goes in before the old one goes away, so that a failed copy loses nothing.
    // The attached copy itself, chosen again, needs no copy.
    const QString name = QFileInfo(chosen).fileName();
    const QString problem = AttachmentNameProblem(name);
    if (!problem.isEmpty()) {
        Dialogos().ShowError(problem);
        return;
    }
    const QString target = AttachedPath(name);
    if (!SameFile(chosen, target) &&
        (!QDir().mkpath(AttachedFolder()) || !CopyReplacing(chosen, target))) {
        Dialogos().ShowError(
            QStringLiteral("No se pudo adjuntar el archivo \"%1\"; la descripción técnica no "
                           "se modificó.")
                .arg(name));
        return;
    }
    if (attached && current != name)
        QFile::remove(AttachedPath(current));
    ShowAttachedName(name);
    // Another file than the one verified: neither the window nor the stored project may count
    // as verified, or a package could name a file it does not hold.
    if (!SameFile(chosen, target) || current != name) {
        RunShowingErrors([] { TArchivoProyecto::AnularVerificacion(); });
        emit adjuntoCambiado();
    }
}

void TPaginaDescripcionTecnica::Button6Click() {
    Abridor().OpenWithDefault(AttachedPath(AttachedName()));
}
