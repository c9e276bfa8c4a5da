#include "pages/UPaginaDatosGenerales.h"

#include "config/UConfiguracion.h"
#include "document/UEnteros.h"
#include "form/URegistroDatosGenerales.h"
#include "pages/UPaginaPresupuesto.h"
#include "widgets/UContadorCaracteres.h"
#include "widgets/UDialogos.h"
#include "widgets/UEditLimitado.h"
#include "widgets/UEnlaceRegistro.h"
#include "widgets/UGrupoAyuda.h"
#include "widgets/UPaginaListas.h"

#include <QComboBox>
#include <QLayout>
#include <QLineEdit>

namespace {

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
    LlenarListasRegistro(RegistroDatosGenerales(), this);
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
    TRegistroCampos registro = RegistroDatosGenerales(prioridadRegional);
    TomarRegistro(registro, this);
    registro.Escribir(project);
}

void TPaginaDatosGenerales::LoadDatosGenerales(TXMLProject& project) {
    TRegistroCampos registro = RegistroDatosGenerales();
    registro.Leer(project);
    // An empty stored duration is none chosen, not one year: the budget then shows every year
    // that holds lines, and the next store keeps them.
    MostrarRegistro(registro, this);
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
