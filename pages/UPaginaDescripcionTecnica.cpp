#include "pages/UPaginaDescripcionTecnica.h"

#include "document/UArchivoProyecto.h"
#include "form/UDescripcionTecnica.h"
#include "package/UNombrePortable.h"
#include "widgets/UAbrirConPrograma.h"
#include "widgets/UBarraSeguirEditando.h"
#include "widgets/UDialogos.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kNinguno = QStringLiteral("Ninguno");

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

void TPaginaDescripcionTecnica::ShowAttachedName(const QString& name) {
    const bool attached = TDescripcionTecnica::EstaAdjunta(name);
    attachedName_ = attached ? name : QString();
    descripcionTecnicaLabel_->setText(attached ? name : kNinguno);
    QPalette palette = descripcionTecnicaLabel_->palette();
    palette.setColor(QPalette::WindowText, attached ? QColor(Qt::darkGreen) : QColor(Qt::red));
    descripcionTecnicaLabel_->setPalette(palette);
    Button6_->setEnabled(attached);
}

void TPaginaDescripcionTecnica::Button4Click() {
    const QString current = AttachedName();
    const bool attached = TDescripcionTecnica::EstaAdjunta(current);
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
    const bool laCopia = TDescripcionTecnica::EsLaCopia(chosen, name);
    if (!laCopia && !TDescripcionTecnica::Copiar(chosen, name)) {
        Dialogos().ShowError(
            QStringLiteral("No se pudo adjuntar el archivo \"%1\"; la descripción técnica no "
                           "se modificó.")
                .arg(name));
        return;
    }
    if (attached && current != name)
        TDescripcionTecnica::Quitar(current);
    ShowAttachedName(name);
    // Another file than the one verified: neither the window nor the stored project may count
    // as verified, or a package could name a file it does not hold.
    if (!laCopia || current != name) {
        RunShowingErrors([] { TArchivoProyecto::AnularVerificacion(); });
        emit adjuntoCambiado();
    }
}

void TPaginaDescripcionTecnica::Button6Click() {
    Abridor().OpenWithDefault(TDescripcionTecnica::Ruta(AttachedName()));
}
