#include "app/Unit1.h"

#include "app/UAcerca.h"
#include "app/UAyuda.h"
#include "app/UComandos.h"
#include "app/UCopiaRecuperacion.h"
#include "app/UFocoGrupos.h"
#include "app/UGeneradorCaratula.h"
#include "app/UImportarProyecto.h"
#include "app/UMarcoEditor.h"
#include "app/UOfertaRecuperacion.h"
#include "app/UPanelSecciones.h"
#include "app/UPreguntaEditores.h"
#include "app/UTeclasPaginas.h"
#include "app/UVigiaEdicion.h"
#include "config/UAjustesUsuario.h"
#include "config/UConfiguracion.h"
#include "config/UConvocatoria.h"
#include "document/UArchivoProyecto.h"
#include "document/UCarpetaTrabajo.h"
#include "document/URecuperacion.h"
#include "document/UXMLProject.h"
#include "form/UDescripcionTecnica.h"
#include "pages/UDetallePresupuesto.h"
#include "pages/UPaginaBeneficiaria.h"
#include "pages/UPaginaBienvenida.h"
#include "pages/UPaginaContraparte.h"
#include "pages/UPaginaConvocatoria.h"
#include "pages/UPaginaDatosComplementarios.h"
#include "pages/UPaginaDatosGenerales.h"
#include "pages/UPaginaDependencia.h"
#include "pages/UPaginaDescripcionTecnica.h"
#include "pages/UPaginaEjecutora.h"
#include "pages/UPaginaEnviar.h"
#include "pages/UPaginaGrupos.h"
#include "pages/UPaginaImpacto.h"
#include "pages/UPaginaOtrosRecursos.h"
#include "pages/UPaginaPersona.h"
#include "pages/UPaginaPresupuesto.h"
#include "pages/UPaginaResumen.h"
#include "pages/UPaginaSubsidio.h"
#include "pages/UPaginaTextos.h"
#include "pages/UPaginaVerificar.h"
#include "rules/UVerificacion.h"
#include "widgets/UBarraSeguirEditando.h"
#include "widgets/UDialogos.h"
#include "widgets/UEtiquetaClic.h"
#include "widgets/UGrupoAyuda.h"
#include "widgets/UNombresAccesibles.h"
#include "widgets/UPaginaListas.h"
#include "widgets/URevisionOrtografia.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>

namespace {

const QString kCaption = QStringLiteral("Velorn - Formulario Offline");
const QString kVersion = QStringLiteral("Versión 2");

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaption);
    resize(800, 600);
    setMinimumSize(630, 360);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    MainPageControl_ = new QTabWidget;
    MainPageControl_->setObjectName(QStringLiteral("MainPageControl"));
    MainPageControl_->setDocumentMode(true);
    setCentralWidget(MainPageControl_);

    editarTab_ = BuildEditarTab();
    AddMainPage(editarTab_, QStringLiteral("Editar"));
    AddMainPage(verificarTab_ = new TPaginaVerificar, QStringLiteral("Verificar"));
    AddMainPage(descripcionTecnicaTab_ = new TPaginaDescripcionTecnica,
                QStringLiteral("Descripción Técnica"));
    // The package takes the technical description attached on its page.
    AddMainPage(exportarTab_ = new TPaginaEnviar(descripcionTecnicaTab_),
                QStringLiteral("Enviar el proyecto"));
    caratula_ = new TGeneradorCaratula(this);
    for (TBarraSeguirEditando* barra :
         {verificarTab_->Barra(), descripcionTecnicaTab_->Barra(), exportarTab_->Barra()}) {
        connect(barra->Button(), &QPushButton::clicked, this, &TForm1::Button2Click);
        connect(barra->Image(), &TEtiquetaClic::clicked, this, &TForm1::Button2Click);
    }

    ortografia_ = new TRevisionOrtografia(RevisarOrtografia(), this);
    BuildCommands();

    // While edits are pending the recovery copy is refreshed every few minutes.
    recuperacion_ =
        new TCopiaRecuperacion([this](TXMLProject& project) { EscribirPaginas(project); }, this);

    // A failing step is reported with the error's own text; the window opens all the same,
    // with what every other step did.
    FormCreate();
    // After the load: the texts are checked once the window shows, never as part of its start.
    RevisarTextos();

    // A change to any field after a verification: the pages no longer match what was verified.
    // The person and budget line editors count when they apply what they hold.
    auto* vigia = new TVigiaEdicion(
        PageControl_,
        {conformacionDelGrupoTab_->Persona(), detalleDelPresupuestoDelProyectoTab_->Detalle()},
        this);
    connect(vigia, &TVigiaEdicion::editado, this, [this] {
        if (IsVerified())
            SetVerified(false);
        MarcarEdicion();
    });
    connect(detalleDelPresupuestoDelProyectoTab_, &TPaginaPresupuesto::presupuestoModificado, this,
            [this] {
                SetVerified(false);
                MarcarEdicion();
            });
    // A finding of the verification leads to its field.
    connect(verificarTab_, &TPaginaVerificar::irA, this, &TForm1::IrADestino);
    // Every field is announced by its label.
    TNombresAccesibles::Nombrar(this);
    // A different technical description: the stored project no longer names what was verified.
    connect(descripcionTecnicaTab_, &TPaginaDescripcionTecnica::adjuntoCambiado, this, [this] {
        SetVerified(false);
        MarcarEdicion();
    });
    // A person written into the project makes the file newer than the recovery copy: the copy
    // of pending edits is written again, so that it still counts as the newer one.
    connect(conformacionDelGrupoTab_, &TPaginaGrupos::grupoModificado, recuperacion_,
            &TCopiaRecuperacion::ProyectoEscrito);
    // Imported persons are written into the file; imported institutions are edits.
    importar_ = new TImportarProyecto(conformacionDelGrupoTab_, institucionBeneficiariaTab_,
                                      dependenciaTab_, unidadEjecutoraTab_, this);
    connect(importar_, &TImportarProyecto::personasGuardadas, this, [this] { SetVerified(false); });
    connect(importar_, &TImportarProyecto::institucionCopiada, this, [this] {
        SetVerified(false);
        MarcarEdicion();
    });
}

TForm1::~TForm1() = default;

void TForm1::BuildCommands() {
    const TComandos comandos = TComandos::Crear(this);
    connect(comandos.descripcionTecnicaMenuItem, &QAction::triggered, this,
            &TForm1::descripcionTecnicaMenuItemClick);
    connect(comandos.GuardarMenuItem, &QAction::triggered, this, &TForm1::GuardarMenuItemClick);
    connect(comandos.VerificarMenuItem, &QAction::triggered, this, &TForm1::VerificarMenuItemClick);
    connect(comandos.CaratulaMenuItem, &QAction::triggered, this, &TForm1::CaratulaMenuItemClick);
    connect(comandos.ExportarMenuItem, &QAction::triggered, this, &TForm1::ExportarMenuItemClick);
    connect(comandos.ImportarMenuItem, &QAction::triggered, this, &TForm1::ImportarMenuItemClick);
    connect(comandos.SalirMenuItem, &QAction::triggered, this, &TForm1::SalirMenuItemClick);
    connect(comandos.Acercade1, &QAction::triggered, this, &TForm1::Acercade1Click);
    comandos.RevisarOrtografiaMenuItem->setChecked(ortografia_->Activa());
    connect(comandos.RevisarOrtografiaMenuItem, &QAction::triggered, this,
            &TForm1::RevisarOrtografiaMenuItemClick);
}

void TForm1::RevisarTextos() {
    // The texts the form asks for in English.
    const QStringList ingles = {QStringLiteral("summaryMemo")};
    for (QPlainTextEdit* memo : PageControl_->findChildren<QPlainTextEdit*>()) {
        if (!memo->isReadOnly())
            ortografia_->Revisar(memo, ingles.contains(memo->objectName()) ? TIdioma::Ingles
                                                                           : TIdioma::Espanol);
    }
}

void TForm1::RevisarOrtografiaMenuItemClick(bool revisar) {
    ortografia_->SetActiva(revisar);
    SetRevisarOrtografia(revisar);
}

TMarcoEditor* TForm1::BuildEditarTab() {
    // The help link follows the focus through the form's group boxes.
    auto* foco = new TFocoGrupos(this);

    PageControl_ = new QTabWidget;
    PageControl_->setObjectName(QStringLiteral("PageControl"));
    PageControl_->setDocumentMode(true);
    // Each page class builds its own content; pages still without one are empty.
    AddFormPage(bienvenidoTab_ = new TPaginaBienvenida, QStringLiteral("Bienvenido"));
    // The duration on the general data decides the budget's years.
    detalleDelPresupuestoDelProyectoTab_ = new TPaginaPresupuesto;
    auto* resumenDelProyectoTab = new TPaginaResumen;
    impactoDelProyectoTab_ = new TPaginaImpacto;
    auto* datosComplementariosTab = new TPaginaDatosComplementarios;
    auto* subsidioSolicitadoTab = new TPaginaSubsidio;
    auto* contraparteTab = new TPaginaContraparte;
    auto* otrosRecursosTab = new TPaginaOtrosRecursos;
    paginasTextos_ = {resumenDelProyectoTab, impactoDelProyectoTab_, datosComplementariosTab,
                      subsidioSolicitadoTab, contraparteTab,         otrosRecursosTab};
    AddFormPage(convocatoriaTab_ = new TPaginaConvocatoria, QStringLiteral("Convocatoria"));
    AddFormPage(datosGeneralesTab_ =
                    new TPaginaDatosGenerales(detalleDelPresupuestoDelProyectoTab_),
                QStringLiteral("Datos Generales"));
    AddFormPage(resumenDelProyectoTab, QStringLiteral("Resumen del Proyecto"));
    AddFormPage(impactoDelProyectoTab_, QStringLiteral("Impacto del Proyecto"));
    AddFormPage(datosComplementariosTab, QStringLiteral("Datos Complementarios"));
    AddFormPage(subsidioSolicitadoTab, QStringLiteral("Justificación Subsidio"));
    AddFormPage(contraparteTab, QStringLiteral("Contraparte"));
    AddFormPage(otrosRecursosTab, QStringLiteral("Otros Recursos"));
    AddFormPage(detalleDelPresupuestoDelProyectoTab_,
                QStringLiteral("Detalle del Presupuesto del Proyecto"));
    // A call the user picks is applied at once; a descriptor that does not parse is reported.
    connect(convocatoriaTab_, &TPaginaConvocatoria::convocatoriaNameComboBoxChange, this,
            [this] { RunShowingErrors([this] { convocatoriaNameComboBoxChange(); }); });
    AddFormPage(institucionBeneficiariaTab_ = new TPaginaBeneficiaria,
                QStringLiteral("Institución Beneficiaria"));
    AddFormPage(dependenciaTab_ = new TPaginaDependencia, QStringLiteral("Dependencia"));
    AddFormPage(unidadEjecutoraTab_ = new TPaginaEjecutora, QStringLiteral("Unidad Ejecutora"));
    AddFormPage(conformacionDelGrupoTab_ = new TPaginaGrupos,
                QStringLiteral("Conformación del Grupo"));
    // The group editor writes the file at once: every stored or removed person leaves the
    // project unverified.
    connect(conformacionDelGrupoTab_, &TPaginaGrupos::grupoModificado, this,
            [this] { SetVerified(false); });
    AddFormPage(textosTab_ = new TPaginaTextos, QStringLiteral("#Textos"));

    // The section list and the form page each item shows; both group items show the group
    // page, each with its own list.
    secciones_ = {
        {QStringLiteral("Convocatoria"), convocatoriaTab_},
        {QStringLiteral("Datos Generales"), datosGeneralesTab_},
        {QStringLiteral("Resumen del Proyecto"), resumenDelProyectoTab},
        {QStringLiteral("Impacto del Proyecto"), impactoDelProyectoTab_},
        {QStringLiteral("Datos Complementarios"), datosComplementariosTab},
        {QStringLiteral("Detalle del Presupuesto del Proyecto "),
         detalleDelPresupuestoDelProyectoTab_},
        {QStringLiteral("Justificación Subsidio"), subsidioSolicitadoTab},
        {QStringLiteral("Contraparte"), contraparteTab},
        {QStringLiteral("Otros Recursos"), otrosRecursosTab},
        {QStringLiteral("Institución Beneficiaria"), institucionBeneficiariaTab_},
        {QStringLiteral("Dependencia"), dependenciaTab_},
        {QStringLiteral("Unidad Ejecutora"), unidadEjecutoraTab_},
        {QStringLiteral("Conformación del Grupo Responsable"), conformacionDelGrupoTab_,
         TPaginaGrupos::kResponsableSheet},
        {QStringLiteral("Conformación del Grupo Colaborador"), conformacionDelGrupoTab_,
         TPaginaGrupos::kColaboradorSheet},
    };
    auto* page = new TMarcoEditor(PageControl_);
    TPanelSecciones* panel = page->Panel();
    for (const TItemSeccion& seccion : secciones_)
        panel->seccionList()->addItem(seccion.texto);
    connect(panel->seccionList(), &QListWidget::itemSelectionChanged, this,
            &TForm1::seccionListClick);
    connect(panel->seccionList(), &QListWidget::itemClicked, this, &TForm1::seccionListClick);
    connect(foco, &TFocoGrupos::GroupBoxEnter, panel, &TPanelSecciones::GroupBox6Enter);
    connect(foco, &TFocoGrupos::GroupBoxExit, panel, &TPanelSecciones::GroupBox6Exit);
    connect(panel->AyudaLabel(), &TEtiquetaClic::clicked, this, &TForm1::AyudaLabelClick);
    return page;
}

void TForm1::AddFormPage(QWidget* page, const QString& caption) {
    PageControl_->addTab(page, caption);
}

void TForm1::AddMainPage(QWidget* page, const QString& caption) {
    MainPageControl_->addTab(page, caption);
}

// Start-up, in the order the complete program needs: the configuration before anything that
// asks it, the verified state before the load may set it, the pick lists before the load
// selects in them, the load last.
void TForm1::FormCreate() {
    // 1. The configuration; one that cannot be read answers every question with its default.
    configuracion_ = std::make_unique<TConfiguracion>();
    Paso([this] { configuracion_->Open(); });
    // 2. The version on the welcome page.
    bienvenidoTab_->SetVersion(kVersion);
    // 3. The welcome text; none leaves the memo empty.
    Paso([this] { bienvenidoTab_->SetBienvenida(configuracion_->GetBienvenida()); });
    // 4. The package goes to the working folder unless the project says otherwise.
    exportarTab_->SetFolder(WorkingFolder());
    exportarTab_->SetConfiguracion(configuracion_.get());
    // 5. Nothing can be sent before a verification, project loaded or not.
    SetVerified(false);
    // 6. The commands and the section list choose the pages.
    HidePageTabs();
    // 7. The budget tables with their yearly totals, and the two member tables.
    detalleDelPresupuestoDelProyectoTab_->SetupPresupuestoGrids();
    conformacionDelGrupoTab_->SetupGrupoGrids();
    // 8. The call pick list, from the configuration's calls.
    Paso([this] { convocatoriaTab_->FillConvocatorias(*configuracion_); });
    // 9. The editor, on the welcome page.
    MainPageControl_->setCurrentWidget(editarTab_);
    PageControl_->setCurrentWidget(bienvenidoTab_);
    // 10. The pick lists of the pages, from the code lists.
    datosGeneralesTab_->FillPickLists();
    institucionBeneficiariaTab_->FillPickLists();
    dependenciaTab_->FillPickLists();
    unidadEjecutoraTab_->FillPickLists();
    conformacionDelGrupoTab_->FillPickLists();
    // 11. The project, into the pages; or the work a program that ended without closing left
    // in its recovery copy, when the user wants it back.
    if (!OfrecerRecuperacion())
        LoadProject();
}

bool TForm1::OfrecerRecuperacion() {
    if (!TOfertaRecuperacion::Aceptada())
        return false;
    LoadProject(TRecuperacion::Nombre());
    // The group editor writes its persons into the project at once: the stored ones hold.
    Paso([this] {
        TXMLProject project(TArchivoProyecto::Nombre());
        conformacionDelGrupoTab_->RecargarGrupos(project);
        project.Discard();
    });
    // Recovered, not stored: unsaved until "Guardar", and never verified.
    SetVerified(false);
    MarcarEdicion();
    return true;
}

bool TForm1::Paso(const std::function<void()>& step) {
    if (RunShowingErrors(step))
        return true;
    SetCargaIncompleta(true);
    return false;
}

void TForm1::SetCargaIncompleta(bool incompleta) {
    cargaIncompleta_ = incompleta;
    editarTab_->MostrarCargaIncompleta(incompleta);
}

// The steps in parentheses belong to pages still to come; each goes in its place, since the
// order is the order of the file and the order the pages depend on each other.
void TForm1::SaveProject() {
    // 1.
    SetVerified(false);
    // 2. A missing file is made in memory.
    TXMLProject project(TArchivoProyecto::Nombre());
    EscribirPaginas(project);

    // 6. Written even when nothing changed, with a fresh ".bak" copy.
    project.Save(true);
    project.Release();
}

void TForm1::EscribirPaginas(TXMLProject& project) {
    // 3. General project data, in the order they stand in the file: the format version and
    // the creation date, which is written once and then kept, first.
    TArchivoProyecto::EscribirEsqueleto(project);
    // Thematic areas, title, regional priority, duration, location and language. The regional
    // priority is stored only for a call whose configuration shows it.
    datosGeneralesTab_->SaveDatosGenerales(
        project, convocatoria_ && configuracion_->IsVisible(convocatoriaTab_->Caption(),
                                                            QStringLiteral("areaaltaprioridad")));

    // 4. The attached file's name, the destination folder and the verified state.
    TDescripcionTecnica::GuardarNombre(project, descripcionTecnicaTab_->AttachedName());
    project.SetAttribute(QStringLiteral("exportarFolder/"), QStringLiteral("file"),
                         exportarTab_->Folder());
    TArchivoProyecto::SetVerificado(project, IsVerified());

    // 5. The page savers, in this order: call, executing unit, dependency, beneficiary
    // institution, budget, project texts.
    convocatoriaTab_->SaveConvocatoria(project);
    unidadEjecutoraTab_->SaveEjecutora(project);
    dependenciaTab_->SaveDependencia(project);
    institucionBeneficiariaTab_->SaveBeneficiaria(project);
    detalleDelPresupuestoDelProyectoTab_->SavePresupuesto(project);
    SaveProjectTexts(project);
}

void TForm1::EscribirRecuperacion() {
    recuperacion_->Escribir();
}

void TForm1::MarcarEdicion() {
    recuperacion_->MarcarEdicion();
}

void TForm1::LoadProject() {
    LoadProject(TArchivoProyecto::Nombre());
}

void TForm1::LoadProject(const QString& fileName) {
    // Every step that does not need a failed one still runs, so the pages hold all that could be
    // read; any failure leaves the load incomplete, and a store then asks before it writes.
    // 1. A file that cannot be read loads nothing.
    std::unique_ptr<TXMLProject> opened;
    if (!Paso([&] { opened = std::make_unique<TXMLProject>(fileName); }))
        return;
    TXMLProject& project = *opened;
    // 2. Reading creates the elements it asks for: the document is always dropped unwritten,
    // so that neither a missing file nor one of another format is touched.
    if (!TArchivoProyecto::EsVersionActual(project)) {
        project.Discard();
        return;
    }
    // 3. The call, selected by its caption and applied as if the user had chosen it; a caption
    // no longer offered leaves no call.
    Paso([&] {
        convocatoriaTab_->SelectConvocatoria(
            project.GetAttribute(QStringLiteral("project/document/properties/convocatoria/"),
                                 QStringLiteral("doc-name"), QString()));
        convocatoriaNameComboBoxChange();
    });
    // 4. General data, among the durations of that call.
    Paso([&] { datosGeneralesTab_->LoadDatosGenerales(project); });
    // 5. A stored name whose copy is gone shows nothing attached.
    Paso([&] {
        descripcionTecnicaTab_->ShowAttachedName(TDescripcionTecnica::NombreGuardado(project));
    });
    // 6.
    Paso([&] {
        exportarTab_->SetFolder(project.GetAttribute(QStringLiteral("exportarFolder/"),
                                                     QStringLiteral("file"), QString()));
        exportarTab_->exportarFolderEditChange();
    });
    // 7. The page loaders, in this order: budget, beneficiary institution, executing unit,
    // dependency, project texts, responsible group, collaborating group.
    Paso([&] { detalleDelPresupuestoDelProyectoTab_->LoadPresupuesto(project); });
    // Without a duration the budget shows every year that holds lines, so a store keeps them.
    datosGeneralesTab_->duracionComboBoxChange();
    Paso([&] { institucionBeneficiariaTab_->LoadBeneficiaria(project); });
    Paso([&] { unidadEjecutoraTab_->LoadEjecutora(project); });
    Paso([&] { dependenciaTab_->LoadDependencia(project); });
    Paso([&] { LoadProjectTexts(project); });
    Paso([&] { conformacionDelGrupoTab_->LoadGrupoResponsable(project); });
    Paso([&] { conformacionDelGrupoTab_->LoadGrupoColaborador(project); });
    // 8.
    Paso([&] { SetVerified(TArchivoProyecto::Verificado(project)); });
    // 9.
    project.Discard();
}

void TForm1::SaveProjectTexts(TXMLProject& project) {
    for (TPaginaFormulario* page : paginasTextos_)
        page->SaveTexts(project);
}

void TForm1::LoadProjectTexts(TXMLProject& project) {
    for (TPaginaFormulario* page : paginasTextos_)
        page->LoadTexts(project);
}

void TForm1::convocatoriaNameComboBoxChange() {
    const QString caption = convocatoriaTab_->Caption();
    // 1, 2. No call chosen: there is no current call, and the form keeps what it shows.
    if (caption.isEmpty()) {
        convocatoria_.reset();
        convocatoriaAplicada_.clear();
        return;
    }
    // 3. A caption or file the installation does not have reads as an empty descriptor. The
    // descriptor is read before anything changes: one that does not parse leaves the call, its
    // page and the durations as they were, and the pick list back on that call.
    auto convocatoria = std::make_unique<TConvocatoria>();
    try {
        convocatoria->Open(configuracion_->GetConvocatoriaFile(caption));
    } catch (...) {
        convocatoriaTab_->SelectConvocatoria(convocatoriaAplicada_);
        throw;
    }
    // The call already chosen, picked again, keeps its duration.
    const bool misma = convocatoria_ != nullptr && caption == convocatoriaAplicada_;
    const QString duracion = datosGeneralesTab_->Duracion();
    convocatoria_ = std::move(convocatoria);
    convocatoriaAplicada_ = caption;
    // 4.
    convocatoriaTab_->ShowConvocatoria(*convocatoria_);
    // 5. The duration has to be chosen again.
    datosGeneralesTab_->SetDuraciones(convocatoriaTab_->DuracionMaxima());
    if (misma)
        datosGeneralesTab_->SelectDuracion(duracion);
    // 6 to 8. Visibility, then captions, then help keywords of the call's type.
    datosGeneralesTab_->ApplyConvocatoria(*configuracion_, caption);
    impactoDelProyectoTab_->ApplyConvocatoria(*configuracion_, caption);
}

void TForm1::AyudaLabelClick() {
    // A help file that cannot be read is reported, and no help window is shown.
    RunShowingErrors([this] { ShowHelpTopic(editarTab_->Panel()->AyudaKeyword()); });
}

void TForm1::ShowHelpTopic(const QString& keyword) {
    TForm2 ayuda(this);
    ayuda.ShowTopic(keyword);
    ayuda.exec();
}

void TForm1::SetVerified(bool flag) {
    verified_ = flag;
    exportarTab_->ShowVerified(flag);
}

void TForm1::HidePageTabs() {
    // The pages stay usable; only the commands and the section list choose them.
    MainPageControl_->tabBar()->hide();
    PageControl_->tabBar()->hide();
    conformacionDelGrupoTab_->HidePageTabs();
    // The budget's view and edit pages; the budget's year pages keep their headers.
    detalleDelPresupuestoDelProyectoTab_->HidePageTabs();
    // Nor do the keys that move between tabs reach those pages.
    for (QTabWidget* pages : {MainPageControl_, PageControl_, conformacionDelGrupoTab_->Hojas(),
                              detalleDelPresupuestoDelProyectoTab_->Hojas()})
        TTeclasPaginas::Bloquear(pages);
}

void TForm1::FillNumberItems(QComboBox* pickList, const QString& count) {
    ::FillNumberItems(pickList, count);
}

void TForm1::seccionListClick() {
    const QListWidget* list = editarTab_->Panel()->seccionList();
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    // Leaving a section with edits pending refreshes the recovery copy.
    EscribirRecuperacion();
    const TItemSeccion& seccion = secciones_.at(list->row(selected.first()));
    PageControl_->setCurrentWidget(seccion.pagina);
    // The budget item also shows the budget's table view, dropping a line being edited.
    if (seccion.pagina == detalleDelPresupuestoDelProyectoTab_)
        detalleDelPresupuestoDelProyectoTab_->ShowVista();
    // The two group items choose the group page's list.
    if (seccion.hoja >= 0)
        conformacionDelGrupoTab_->ShowSheet(seccion.hoja);

    // Both group items show the same page: the label names the group instead.
    editarTab_->SetSeccion(seccion.hoja >= 0 ? selected.first()->text()
                                             : PageControl_->tabText(PageControl_->currentIndex()));
}

void TForm1::Button2Click() {
    MainPageControl_->setCurrentWidget(editarTab_);
}

void TForm1::descripcionTecnicaMenuItemClick() {
    MainPageControl_->setCurrentWidget(descripcionTecnicaTab_);
}

void TForm1::ExportarMenuItemClick() {
    MainPageControl_->setCurrentWidget(exportarTab_);
}

void TForm1::VerificarMenuItemClick() {
    if (!PrepararGuardado())
        return;
    // A store or a stored file that fails is reported with the error's own text.
    RunShowingErrors([this] {
        // 1. The same store as "Guardar": the project is unverified from here on.
        GuardarProyecto();
        // 2. The rules read the file as stored, never the pages.
        TVerificacion verificacion(TArchivoProyecto::Nombre());
        // 3, 4.
        verificarTab_->Clear();
        const THallazgos hallazgos = verificacion.Check(*configuracion_);
        verificarTab_->AddHallazgos(hallazgos);
        // 5.
        MainPageControl_->setCurrentWidget(verificarTab_);
        // 6, 7. The file is written again only when the flag changed.
        const bool verified = hallazgos.IsEmpty();
        verificacion.Finish(verified);
        // 8.
        SetVerified(verified);
        // 9, 10.
        verificarTab_->ShowOutcome(verified);
    });
}

void TForm1::CaratulaMenuItemClick() {
    // A stored project that does not parse is reported with the parser's text.
    RunShowingErrors([this] { caratula_->CaratulaMenuItemClick(IsVerified(), *configuracion_); });
}

void TForm1::GuardarMenuItemClick() {
    if (!PrepararGuardado())
        return;
    try {
        GuardarProyecto();
    } catch (...) {
        Dialogos().ShowError(QStringLiteral("Ocurrió un error guardando el formulario."));
        return;
    }
    Dialogos().ShowInformation(QStringLiteral("El estado del formulario ha sido guardado."));
}

void TForm1::SalirMenuItemClick() {
    close();
}

void TForm1::Acercade1Click() {
    TForm3 about(this);
    about.versionLabel()->setText(kVersion);
    about.exec();
}

void TForm1::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    // A failed save is shown with its own text and keeps the window open.
    if (!RunShowingErrors([&] { FormCloseQuery(canClose); }))
        canClose = false;
    if (canClose) {
        // A normal close leaves nothing to recover.
        TRecuperacion::Eliminar();
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm1::FormCloseQuery(bool& canClose) {
    // A person or budget line still open is applied or dropped first, as the user says.
    canClose = false;
    if (!ConfirmarEditores())
        return;
    const TBotonDialogo answer = Dialogos().ShowCaptionedDialog(
        QStringLiteral("¿Desea guardar el formulario antes de salir?."),
        QStringLiteral("Confirmación"), TTipoDialogo::Confirmacion,
        {QStringLiteral("&Si"), QStringLiteral("&No"), QStringLiteral("&Cancelar")},
        TBotonDialogo::Si | TBotonDialogo::No | TBotonDialogo::Cancelar);
    switch (answer) {
    case TBotonDialogo::Si:
        // A project loaded incompletely that the user keeps keeps the window open too.
        if (!ConfirmarReemplazo())
            break;
        GuardarProyecto();
        canClose = true;
        break;
    case TBotonDialogo::No:
        canClose = true;
        break;
    default:
        canClose = false;
        break;
    }
}

void TForm1::GuardarProyecto() {
    SaveProject();
    // What the window shows is now what the file holds.
    SetCargaIncompleta(false);
    recuperacion_->Guardado();
}

bool TForm1::PrepararGuardado() {
    return ConfirmarEditores() && ConfirmarReemplazo();
}

bool TForm1::ConfirmarEditores() {
    QWidget* pagina =
        TPreguntaEditores(conformacionDelGrupoTab_, detalleDelPresupuestoDelProyectoTab_)
            .Preguntar();
    if (pagina == nullptr)
        return true;
    // Back to the editor, which keeps what was typed; nothing is stored.
    MainPageControl_->setCurrentWidget(editarTab_);
    PageControl_->setCurrentWidget(pagina);
    return false;
}

bool TForm1::ConfirmarReemplazo() {
    if (!CargaIncompleta())
        return true;
    return Dialogos().ShowCaptionedDialog(
               QStringLiteral("El proyecto guardado no se pudo cargar completo, y el formulario "
                              "no muestra todo lo que contiene. ¿Desea reemplazar el proyecto "
                              "guardado con lo que muestra el formulario?"),
               QStringLiteral("Confirmación"), TTipoDialogo::Advertencia,
               {QStringLiteral("&Si"), QStringLiteral("&No")},
               TBotonDialogo::Si | TBotonDialogo::No, TBotonDialogo::No) == TBotonDialogo::Si;
}

void TForm1::IrADestino(const TDestino& destino) {
    QWidget* campo = findChild<QWidget*>(destino.campo);
    if (campo == nullptr)
        return;
    // A main page of its own.
    for (int i = 0; i < MainPageControl_->count(); ++i) {
        if (MainPageControl_->widget(i) == campo) {
            MainPageControl_->setCurrentWidget(campo);
            return;
        }
    }
    MainPageControl_->setCurrentWidget(editarTab_);
    // The section that holds the field, chosen as the user would in the section list; the
    // collaborating group's list is the second item of the group page.
    QListWidget* list = editarTab_->Panel()->seccionList();
    for (int index = 0; index < int(secciones_.size()); ++index) {
        const TItemSeccion& seccion = secciones_.at(index);
        if (!seccion.pagina->isAncestorOf(campo))
            continue;
        if (seccion.hoja >= 0 && seccion.hoja != conformacionDelGrupoTab_->ListSheetOf(campo))
            continue;
        list->setCurrentRow(index);
        seccionListClick();
        break;
    }
    if (!destino.anio.isEmpty())
        detalleDelPresupuestoDelProyectoTab_->ShowYear(destino.anio);
    // Into view in a page that scrolls, then the focus.
    for (QWidget* parent = campo->parentWidget(); parent != nullptr;
         parent = parent->parentWidget()) {
        if (auto* scroll = qobject_cast<QScrollArea*>(parent)) {
            scroll->ensureWidgetVisible(campo);
            break;
        }
    }
    campo->setFocus(Qt::OtherFocusReason);
}

void TForm1::ImportarMenuItemClick() {
    importar_->Importar();
}
