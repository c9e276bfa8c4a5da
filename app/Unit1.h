#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QTabWidget;
class TConfiguracion;
class TConvocatoria;
class TCopiaRecuperacion;
class TGeneradorCaratula;
class TImportarProyecto;
class TMarcoEditor;
class TPaginaBeneficiaria;
class TPaginaBienvenida;
class TPaginaConvocatoria;
class TPaginaDatosGenerales;
class TPaginaDependencia;
class TPaginaDescripcionTecnica;
class TPaginaEjecutora;
class TPaginaEnviar;
class TPaginaFormulario;
class TPaginaGrupos;
class TPaginaImpacto;
class TPaginaPresupuesto;
class TPaginaTextos;
class TPaginaVerificar;
class TRevisionOrtografia;
class TXMLProject;
struct TDestino;

// The program's window: the menu and toolbar commands, the editor page with the section list
// and the form pages, the verify, technical description and send pages, and the start-up,
// load, store and close sequences. The pages are classes of their own; this window builds the
// frame, wires them and calls them in the fixed order of each sequence.
class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Writes every page into "proyecto.xml" of the working folder and saves it with a fresh
    // ".bak" copy, even when nothing changed. Leaves the project unverified. Errors reach the
    // caller.
    void SaveProject();
    // Reads "proyecto.xml" into the pages; a missing file, or one of another format version,
    // loads nothing. Never writes the file.
    void LoadProject();
    // The same from another file of the project's layout (the recovery copy).
    void LoadProject(const QString& fileName);
    // While edits are pending, writes what a store would write into the recovery copy, never
    // touching "proyecto.xml".
    void EscribirRecuperacion();
    bool IsVerified() const { return verified_; }
    // True while the pages may lack something the project file holds: a start-up or load step
    // failed, or the file could not be read. A store then asks before it writes.
    bool CargaIncompleta() const { return cargaIncompleta_; }
    // Stores the verified state and shows it on the send page.
    void SetVerified(bool flag);

    // The installation's configuration, opened at start and kept while the window lives.
    TConfiguracion& Configuracion() const { return *configuracion_; }
    // The descriptor of the call chosen last; none before a call is chosen.
    TConvocatoria* Convocatoria() const { return convocatoria_.get(); }

    // Event handlers, named after their control and event.
    void seccionListClick();
    void Button2Click();
    void GuardarMenuItemClick();
    void SalirMenuItemClick();
    void Acercade1Click();
    void FormCloseQuery(bool& canClose);
    void descripcionTecnicaMenuItemClick();
    void ExportarMenuItemClick();
    // "Verificar": stores the project, checks the stored file against every rule, shows the
    // findings on the page "Verificar" and records the outcome in the file and the window.
    void VerificarMenuItemClick();
    // "Generar carátula": the cover pages of the stored project, when it is verified.
    void CaratulaMenuItemClick();
    // "Importar de otro proyecto...": group members and institutions of an earlier application,
    // from its "proyecto.xml" or its package, as the user chooses them.
    void ImportarMenuItemClick();
    // "Revisar ortografía": spell checking of the free texts on or off, remembered for the
    // next runs.
    void RevisarOrtografiaMenuItemClick(bool revisar);
    void HidePageTabs();
    static void FillNumberItems(QComboBox* pickList, const QString& count);
    // The call selection: the chosen call's descriptor becomes the current call and the form
    // takes the call's durations, visibility, captions and help keywords. Raises EXMLError when
    // the descriptor does not parse.
    void convocatoriaNameComboBoxChange();
    void AyudaLabelClick();
    // Shows the section or page that holds the field a finding is about, with the focus on it.
    void IrADestino(const TDestino& destino);
    // Shows the help text of the keyword in the help window, modally.
    void ShowHelpTopic(const QString& keyword);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate();
    void BuildCommands();
    // Every multi-line text the user types into is checked, in English where the form asks
    // for English.
    void RevisarTextos();
    TMarcoEditor* BuildEditarTab();
    void AddFormPage(QWidget* page, const QString& caption);
    void AddMainPage(QWidget* page, const QString& caption);
    void SaveProjectTexts(TXMLProject& project);
    void LoadProjectTexts(TXMLProject& project);
    // Runs one step of the start-up or the load; a step that fails is reported with the
    // error's own text and leaves the load incomplete, and the steps after it still run.
    bool Paso(const std::function<void()>& step);
    void SetCargaIncompleta(bool incompleta);
    // Before a store: a person or a budget line open in its editor is applied or dropped as the
    // user says, and a project loaded incompletely is replaced only when the user agrees. False
    // when the command is not to go on.
    bool PrepararGuardado();
    bool ConfirmarEditores();
    bool ConfirmarReemplazo();
    // SaveProject, and the load counts as complete once the window's content is stored.
    void GuardarProyecto();
    // Every page's fields into the document, as a store writes them.
    void EscribirPaginas(TXMLProject& project);
    // Edits the file does not hold yet: the recovery copy is due.
    void MarcarEdicion();
    // At start, a recovery copy newer than the project: recovered into the pages when the
    // user wants it (true), else kept aside under a dated name.
    bool OfrecerRecuperacion();

    std::unique_ptr<TConfiguracion> configuracion_;
    std::unique_ptr<TConvocatoria> convocatoria_;
    bool verified_ = false;
    bool cargaIncompleta_ = false;
    // The copy of edits not yet stored, and the command that imports from another project.
    TCopiaRecuperacion* recuperacion_ = nullptr;
    TImportarProyecto* importar_ = nullptr;
    // Spell checking of the multi-line texts.
    TRevisionOrtografia* ortografia_ = nullptr;
    // The call whose descriptor the form shows; a pick that fails goes back to it.
    QString convocatoriaAplicada_;

    QTabWidget* MainPageControl_ = nullptr;
    TMarcoEditor* editarTab_ = nullptr;
    TPaginaVerificar* verificarTab_ = nullptr;
    TPaginaDescripcionTecnica* descripcionTecnicaTab_ = nullptr;
    TPaginaEnviar* exportarTab_ = nullptr;
    TGeneradorCaratula* caratula_ = nullptr;

    // An item of the section list: the form page it shows and, for the group page, its list.
    struct TItemSeccion {
        QString texto;
        QWidget* pagina;
        int hoja = -1;
    };
    std::vector<TItemSeccion> secciones_;
    QTabWidget* PageControl_ = nullptr;
    TPaginaBienvenida* bienvenidoTab_ = nullptr;
    TPaginaConvocatoria* convocatoriaTab_ = nullptr;
    TPaginaDatosGenerales* datosGeneralesTab_ = nullptr;
    TPaginaImpacto* impactoDelProyectoTab_ = nullptr;
    TPaginaPresupuesto* detalleDelPresupuestoDelProyectoTab_ = nullptr;
    // The pages of free texts, in the order their texts are stored.
    QList<TPaginaFormulario*> paginasTextos_;
    TPaginaBeneficiaria* institucionBeneficiariaTab_ = nullptr;
    TPaginaDependencia* dependenciaTab_ = nullptr;
    TPaginaEjecutora* unidadEjecutoraTab_ = nullptr;
    TPaginaGrupos* conformacionDelGrupoTab_ = nullptr;
    TPaginaTextos* textosTab_ = nullptr;
};
