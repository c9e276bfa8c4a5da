#include "pages/UPaginaGrupos.h"

#include "document/UArchivoProyecto.h"
#include "document/UErrores.h"
#include "document/UXMLProject.h"
#include "form/UGrupo.h"
#include "ids/UCuitWeb.h"
#include "pages/UGrillaGrupo.h"
#include "pages/UPaginaPersona.h"
#include "widgets/UDialogos.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <exception>

TPaginaGrupos::TPaginaGrupos(QWidget* parent)
    : QWidget(parent), grupoPageControl_(new QTabWidget),
      grupoResponsableStringGrid_(new TGrillaGrupo(QStringLiteral("grupoResponsableStringGrid"))),
      grupoColaboradorStringGrid_(new TGrillaGrupo(QStringLiteral("grupoColaboradorStringGrid"))),
      persona_(new TPaginaPersona) {
    setObjectName(QStringLiteral("conformacionDelGrupoTab"));
    grupoPageControl_->setObjectName(QStringLiteral("grupoPageControl"));
    grupoPageControl_->setDocumentMode(true);
    grupoPageControl_->addTab(NewListSheet(QStringLiteral("grupoResponsableTabSheet"),
                                           QStringLiteral("grupoResponsable"),
                                           grupoResponsableStringGrid_),
                              QStringLiteral("Grupo Responsable"));
    grupoPageControl_->addTab(persona_, QStringLiteral("Persona"));
    grupoPageControl_->addTab(NewListSheet(QStringLiteral("grupoColaboradorTabSheet"),
                                           QStringLiteral("grupoColaborador"),
                                           grupoColaboradorStringGrid_),
                              QStringLiteral("Grupo Colaborador"));

    connect(persona_->GuardarButton(), &QPushButton::clicked, this,
            &TPaginaGrupos::grupoEditGuardarButtonClick);
    connect(persona_->CancelarButton(), &QPushButton::clicked, this,
            &TPaginaGrupos::grupoEditCancelarButtonClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grupoPageControl_);
}

QWidget* TPaginaGrupos::NewListSheet(const QString& name, const QString& prefix,
                                     TGrillaGrupo* grid) {
    auto* sheet = new QWidget;
    sheet->setObjectName(name);
    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, void (TPaginaGrupos::*)()> commands[] = {
        {"Nuevo", &TPaginaGrupos::grupoResponsableNuevoButtonClick},
        {"Editar", &TPaginaGrupos::grupoResponsableEditarButtonClick},
        {"Eliminar", &TPaginaGrupos::grupoResponsableEliminarButtonClick},
    };
    for (const auto& [caption, handler] : commands) {
        auto* button = new QPushButton(QString::fromLatin1(caption));
        button->setObjectName(prefix + QString::fromLatin1(caption) + QStringLiteral("Button"));
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    connect(grid, &TGrillaGrupo::cellDoubleClicked, this,
            &TPaginaGrupos::grupoResponsableEditarButtonClick);

    auto* layout = new QVBoxLayout(sheet);
    layout->addWidget(grid, 1);
    layout->addLayout(buttons);
    return sheet;
}

void TPaginaGrupos::SetupGrupoGrids() {
    grupoResponsableStringGrid_->SetupGrupoGrid();
    grupoColaboradorStringGrid_->SetupGrupoGrid();
}

void TPaginaGrupos::FillPickLists() {
    persona_->FillPickLists();
}

void TPaginaGrupos::HidePageTabs() {
    grupoPageControl_->tabBar()->hide();
}

void TPaginaGrupos::ShowSheet(int index) {
    grupoPageControl_->setCurrentIndex(index);
}

int TPaginaGrupos::ListSheetOf(const QWidget* control) const {
    const QWidget* colaborador = grupoColaboradorStringGrid_;
    return control == colaborador || colaborador->isAncestorOf(control) ? kColaboradorSheet
                                                                        : kResponsableSheet;
}

int TPaginaGrupos::ActiveSheet() const {
    return grupoPageControl_->currentIndex();
}

TGrillaGrupo* TPaginaGrupos::GridOf(int sheet) const {
    return sheet == kResponsableSheet ? grupoResponsableStringGrid_ : grupoColaboradorStringGrid_;
}

QString TPaginaGrupos::GrupoOf(int sheet) {
    return sheet == kResponsableSheet ? TGrupo::GrupoResponsable() : TGrupo::GrupoColaborador();
}

void TPaginaGrupos::LoadGrupoGrid(TXMLProject& project, TGrillaGrupo* grid, const QString& grupo) {
    // Each row shows the person the editor opens for its CUIL.
    for (const TXMLNode& persona : TGrupo(project, grupo).ParticipantesPorCuil()) {
        grid->AddPersona();
        grid->SetSelectedRow(persona.Attribute(QStringLiteral("cuil")),
                             TGrupo::FieldOf(persona, QStringLiteral("rol")),
                             TGrupo::FieldOf(persona, QStringLiteral("nombre")),
                             TGrupo::FieldOf(persona, QStringLiteral("apellido")));
    }
}

void TPaginaGrupos::LoadGrupoResponsable(TXMLProject& project) {
    LoadGrupoGrid(project, grupoResponsableStringGrid_, TGrupo::GrupoResponsable());
}

void TPaginaGrupos::LoadGrupoColaborador(TXMLProject& project) {
    LoadGrupoGrid(project, grupoColaboradorStringGrid_, TGrupo::GrupoColaborador());
}

void TPaginaGrupos::RecargarGrupos(TXMLProject& project) {
    grupoResponsableStringGrid_->Empty();
    grupoColaboradorStringGrid_->Empty();
    LoadGrupoResponsable(project);
    LoadGrupoColaborador(project);
}

void TPaginaGrupos::ShowGrupoEdit(bool show) {
    persona_->ScrollToTop();
    if (show) {
        origen_ = ActiveSheet();
        grupoPageControl_->setCurrentWidget(persona_);
    } else {
        grupoPageControl_->setCurrentIndex(origen_);
    }
    persona_->personaCuilEdit()->setEnabled(true);
    persona_->personaRolComboBox()->setEnabled(true);
}

bool TPaginaGrupos::CheckDuplicateCuil(const TGrillaGrupo* grid, const QString& cuil,
                                       const QString& grupoLabel) const {
    if (!grid->GridContains(cuil, TGrillaGrupo::kCuil))
        return false;
    Dialogos().ShowCaptionedDialog(
        QStringLiteral("Ya existe una persona con ese cuil en el Grupo ") + grupoLabel,
        QStringLiteral("Cuit duplicado"), TTipoDialogo::Error, {QStringLiteral("Aceptar")},
        TBotonDialogo::Aceptar);
    return true;
}

void TPaginaGrupos::grupoResponsableNuevoButtonClick() {
    modo_ = TModo::Nuevo;
    persona_->FillPersonaOptions(ActiveSheet());
    persona_->ClearPersonaForm();
    ShowGrupoEdit(true);
}

void TPaginaGrupos::grupoResponsableEditarButtonClick() {
    const int sheet = ActiveSheet();
    const TGrillaGrupo* grid = GridOf(sheet);
    if (grid->Count() == 0)
        return;
    modo_ = TModo::Editar;
    persona_->FillPersonaOptions(sheet);
    try {
        persona_->LoadPersona(grid, GrupoOf(sheet));
    } catch (const std::exception&) {
        // The page opens all the same, with what was loaded before the failure.
        Dialogos().ShowCaptionedDialog(
            QStringLiteral("Ocurrió un error al cargar los datos del responsable."),
            QStringLiteral("Error"), TTipoDialogo::Error, {QStringLiteral("Aceptar")},
            TBotonDialogo::Aceptar);
    }
    ShowGrupoEdit(true);
    // The key of a stored person never changes, nor the rol of a member of the responsible
    // group: there is always the one "Investigador Responsable" that was stored.
    persona_->personaCuilEdit()->setEnabled(false);
    if (sheet == kResponsableSheet)
        persona_->personaRolComboBox()->setEnabled(false);
}

void TPaginaGrupos::grupoResponsableEliminarButtonClick() {
    const int sheet = ActiveSheet();
    TGrillaGrupo* grid = GridOf(sheet);
    // The list changes only once the file has: a file that cannot be written leaves both as
    // they were.
    RunShowingErrors([&] {
        TXMLProject project(TArchivoProyecto::Nombre());
        TGrupo(project, GrupoOf(sheet)).DeleteParticipante(grid->SelectedCuil());
        // In the same write: the project changed, so it is no longer verified.
        TArchivoProyecto::MarcarCambio(project);
        project.Save(true);
        grid->Empty();
        LoadGrupoGrid(project, grid, GrupoOf(sheet));
        project.Release();
        emit grupoModificado();
    });
}

bool TPaginaGrupos::EditandoPersona() const {
    return modo_ != TModo::Ninguno && grupoPageControl_->currentWidget() == persona_;
}

bool TPaginaGrupos::AplicarPersona() {
    grupoEditGuardarButtonClick();
    return modo_ == TModo::Ninguno;
}

void TPaginaGrupos::grupoEditGuardarButtonClick() {
    // Only a person opened with "Nuevo" or "Editar" is stored: without either there is no
    // group and no key to store it under.
    if (modo_ == TModo::Ninguno)
        return;
    // Every refusal leaves the page open with what was typed, and stores nothing.
    if (!persona_->CheckRequiredFields() || !persona_->CheckWholeNumbers())
        return;
    const QString cuil = persona_->Cuil();
    if (!TCuitWeb().IsValidCuit(cuil)) {
        Dialogos().ShowError(QStringLiteral("El cuil ingresado no es válido"));
        return;
    }
    TGrillaGrupo* grid = GridOf(origen_);
    const QString rol = persona_->Rol();
    if (modo_ == TModo::Nuevo) {
        if (rol == TGrupo::RolInvestigadorResponsable() &&
            grid->GridContains(rol, TGrillaGrupo::kRol)) {
            Dialogos().ShowError(QStringLiteral("Ya existe un ") + rol);
            return;
        }
        if (CheckDuplicateCuil(grupoResponsableStringGrid_, cuil, QStringLiteral("Responsable")) ||
            CheckDuplicateCuil(grupoColaboradorStringGrid_, cuil, QStringLiteral("Colaborador")))
            return;
    }
    // The file first: the list never shows a person the file lacks. When the file cannot be
    // written the error is shown and the page stays open.
    if (!RunShowingErrors([&] { persona_->StorePersona(GrupoOf(origen_)); }))
        return;
    emit grupoModificado();
    if (modo_ == TModo::Nuevo)
        grid->AddPersona();
    grid->SetSelectedRow(cuil, rol, persona_->Nombre(), persona_->Apellido());
    modo_ = TModo::Ninguno;
    ShowGrupoEdit(false);
}

void TPaginaGrupos::grupoEditCancelarButtonClick() {
    modo_ = TModo::Ninguno;
    ShowGrupoEdit(false);
}
