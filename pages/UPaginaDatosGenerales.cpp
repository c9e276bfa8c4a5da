#include "pages/UPaginaDatosGenerales.h"

#include "app/UDialogos.h"
#include "app/UGrupoAyuda.h"
#include "config/UConfiguracion.h"
#include "document/UEnteros.h"
#include "document/UXMLProject.h"
#include "pages/UListasCodigo.h"
#include "pages/UPaginaContadorCaracteres.h"
#include "pages/UPaginaEditLimitado.h"
#include "pages/UPaginaListas.h"
#include "pages/UPaginaPresupuesto.h"

#include <QComboBox>
#include <QLayout>
#include <QLineEdit>

namespace {

const QString kProperties = QStringLiteral("project/document/properties/");
const QString kAreaPrincipal = kProperties + QStringLiteral("areatematica/principal/");
const QString kAreaSecundaria = kProperties + QStringLiteral("areatematica/secundaria/");
const QString kTitle = kProperties + QStringLiteral("title/");
const QString kAreaPrioritaria = kProperties + QStringLiteral("areaaltaprioridad/");
const QString kDuracion = kProperties + QStringLiteral("duracion/");
const QString kPais = kProperties + QStringLiteral("ubicacion/pais/");
const QString kProvincia = kProperties + QStringLiteral("ubicacion/provincia/");
const QString kIdioma = kProperties + QStringLiteral("idiomas/principal/text/");

const QString kCode = QStringLiteral("code");
const QString kText = QStringLiteral("text/");
const QString kLang = QStringLiteral("lang");
const QString kEs = QStringLiteral("es");

constexpr int kMaxTitulo = 256;
// Characters a pick list shows at least.
constexpr int kMinimoVisible = 12;

QComboBox* NewPickList(const QString& name, const QStringList& items = {}) {
    auto* pickList = new QComboBox;
    pickList->setObjectName(name);
    // Long names do not hold the page wider than the window leaves it.
    pickList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    pickList->setMinimumContentsLength(kMinimoVisible);
    FillPickList(pickList, items);
    return pickList;
}

// A choice from a code list: its code on the element, its name in the element's "text".
void SaveCoded(TXMLProject& project, const QString& path, const QString& code,
               const QString& name) {
    project.ForceAttribute(path, kCode, code);
    project.ForceAttribute(path + kText, kLang, kEs);
    project.SetCData(path + kText, name);
}

void SaveChoice(TXMLProject& project, const QString& path, const TListaCodigos& lista,
                const QComboBox* pickList) {
    SaveCoded(project, path, lista.CodeForName(pickList->currentText()), pickList->currentText());
}

} // namespace

TPaginaDatosGenerales::TPaginaDatosGenerales(TPaginaPresupuesto* presupuesto, QWidget* parent)
    : TPaginaFormulario(QStringLiteral("datosGeneralesTab"), parent), presupuesto_(presupuesto),
      tituloEdit_(NewEdit(QStringLiteral("tituloEdit"))),
      duracionComboBox_(
          NewPickList(QStringLiteral("duracionComboBox"),
                      {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")})),
      areaTematicaComboBox_(NewPickList(QStringLiteral("areaTematicaComboBox"))),
      provinciaComboBox_(NewPickList(QStringLiteral("provinciaComboBox"))),
      areaPrioritariaComboBox_(NewPickList(QStringLiteral("areaPrioritariaComboBox"))),
      areaTematicaSecundariaComboBox_(
          NewPickList(QStringLiteral("areaTematicaSecundariaComboBox"))) {
    tituloEdit_->SetLimite(kMaxTitulo);

    // In the order the Tab key goes through them.
    TGrupoAyuda* tituloGroupBox =
        AddGrupo(QStringLiteral("tituloGroupBox"), QStringLiteral("Título"),
                 QStringLiteral("10101"), tituloEdit_);
    tituloGroupBox->layout()->addWidget(ContadorDe(tituloEdit_));
    AddGrupo(QStringLiteral("duracionGroupBox"), QStringLiteral("Duración"),
             QStringLiteral("10102"), duracionComboBox_);
    AddGrupo(QStringLiteral("areaTematicaGroupBox"), QStringLiteral("Área temática"),
             QStringLiteral("10103"), areaTematicaComboBox_);
    AddGrupo(QStringLiteral("provinciaGroupBox"), QStringLiteral("Provincia"),
             QStringLiteral("10104"), provinciaComboBox_);
    areaPrioritariaGroupBox_ =
        AddGrupo(QStringLiteral("areaPrioritariaGroupBox"), QStringLiteral("Prioridad Regional"),
                 QStringLiteral("10105"), areaPrioritariaComboBox_);
    AddGrupo(QStringLiteral("areaTematicaSecundariaGroupBox"),
             QStringLiteral("Área temática secundaria"), QStringLiteral("10103"),
             areaTematicaSecundariaComboBox_);

    connect(duracionComboBox_, &QComboBox::activated, this,
            &TPaginaDatosGenerales::duracionComboBoxActivated);
}

void TPaginaDatosGenerales::FillPickLists() {
    FillPickList(areaTematicaComboBox_, ListaAreasTematicas().Names());
    FillPickList(areaTematicaSecundariaComboBox_, ListaAreasTematicas().Names());
    FillPickList(areaPrioritariaComboBox_, ListaAreasPrioritarias().Names());
    FillPickList(provinciaComboBox_, ListaProvincias().Names());
}

void TPaginaDatosGenerales::SetDuraciones(const QString& duracionMaxima) {
    FillNumberItems(duracionComboBox_, duracionMaxima);
    // The budget keeps the years it shows until a duration is picked.
    duracionAplicada_.clear();
}

QString TPaginaDatosGenerales::Duracion() const {
    return duracionComboBox_->currentText();
}

void TPaginaDatosGenerales::SelectDuracion(const QString& duracion) {
    SelectItemByText(duracionComboBox_, duracion);
    duracionAplicada_ = Duracion();
}

void TPaginaDatosGenerales::ApplyConvocatoria(const TConfiguracion& configuracion,
                                              const QString& caption) {
    areaPrioritariaGroupBox_->setVisible(
        configuracion.IsVisible(caption, QStringLiteral("areaaltaprioridad")));
}

void TPaginaDatosGenerales::SaveDatosGenerales(TXMLProject& project, bool prioridadRegional) const {
    SaveChoice(project, kAreaPrincipal, ListaAreasTematicas(), areaTematicaComboBox_);
    SaveChoice(project, kAreaSecundaria, ListaAreasTematicas(), areaTematicaSecundariaComboBox_);
    project.ForceAttribute(kTitle, QStringLiteral("edit"), QStringLiteral("yes"));
    project.SetCData(kTitle, tituloEdit_->text());
    if (prioridadRegional)
        SaveChoice(project, kAreaPrioritaria, ListaAreasPrioritarias(), areaPrioritariaComboBox_);
    else
        SaveCoded(project, kAreaPrioritaria, QString(), QStringLiteral("No Aplica"));
    project.SetCData(kDuracion, duracionComboBox_->currentText());
    SaveCoded(project, kPais, QStringLiteral("AR"), QStringLiteral("Argentina"));
    SaveChoice(project, kProvincia, ListaProvincias(), provinciaComboBox_);
    project.SetCData(kIdioma, QStringLiteral("Español"));
}

void TPaginaDatosGenerales::LoadDatosGenerales(TXMLProject& project) {
    SelectItemByText(areaTematicaComboBox_, project.GetText(kAreaPrincipal + kText, QString()));
    SelectItemByText(areaTematicaSecundariaComboBox_,
                     project.GetText(kAreaSecundaria + kText, QString()));
    SelectItemByText(provinciaComboBox_, project.GetText(kProvincia + kText, QString()));
    tituloEdit_->setText(project.GetText(kTitle, QString()));
    SelectItemByText(areaPrioritariaComboBox_,
                     project.GetText(kAreaPrioritaria + kText, QString()));
    // An empty stored duration is none chosen, not one year: the budget then shows every year
    // that holds lines, and the next store keeps them.
    SelectItemByText(duracionComboBox_, project.GetText(kDuracion, QString()));
    duracionComboBoxChange();
}

void TPaginaDatosGenerales::duracionComboBoxActivated() {
    // A duration that is no whole number hides no year.
    const int anios = TextToIntDef(Duracion(), 3);
    bool ocultaLineas = false;
    for (int anio = anios + 1; anio <= 3; ++anio)
        ocultaLineas = ocultaLineas ||
                       (presupuesto_->AnioVisible(anio) && presupuesto_->AnioTieneLineas(anio));
    if (ocultaLineas &&
        Dialogos().ShowCaptionedDialog(
            QStringLiteral("El presupuesto tiene renglones en años que la duración elegida no "
                           "incluye, y esos renglones no se guardarán. ¿Desea cambiar la "
                           "duración?"),
            QStringLiteral("Confirmación"), TTipoDialogo::Confirmacion,
            {QStringLiteral("&Si"), QStringLiteral("&No")}, TBotonDialogo::Si | TBotonDialogo::No,
            TBotonDialogo::No) != TBotonDialogo::Si) {
        SelectItemByText(duracionComboBox_, duracionAplicada_);
        return;
    }
    duracionComboBoxChange();
}

void TPaginaDatosGenerales::duracionComboBoxChange() {
    duracionAplicada_ = Duracion();
    // No duration: the years up to the last one holding lines stay in view, and so in the file.
    int anios = 0;
    if (!TextToInt(Duracion(), anios) || anios < 1) {
        anios = 1;
        for (int anio = 2; anio <= 3; ++anio)
            anios = presupuesto_->AnioTieneLineas(anio) ? anio : anios;
    }
    presupuesto_->SetAnioVisible(3, anios > 2);
    presupuesto_->SetAnioVisible(2, anios > 1);
    presupuesto_->SetAnioVisible(1, anios > 0);
}
