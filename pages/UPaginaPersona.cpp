#include "pages/UPaginaPersona.h"

#include "config/URegional.h"
#include "document/UArchivoProyecto.h"
#include "document/UEnteros.h"
#include "document/UErrores.h"
#include "form/UFichaPersona.h"
#include "form/UGrupo.h"
#include "form/UListasCodigo.h"
#include "ids/UCuitWeb.h"
#include "pages/UGrillaGrupo.h"
#include "pages/UMemoLimitado.h"
#include "widgets/UCampoCuit.h"
#include "widgets/UContadorCaracteres.h"
#include "widgets/UDialogos.h"
#include "widgets/UEditLimitado.h"
#include "widgets/UPaginaListas.h"
#include "widgets/USalidaCampo.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const QString kDniInvalido = QStringLiteral("Debe ingresar un número de DNI válido.");
const QString kNoEsNumero = QStringLiteral("Debe ingresar un número.");
// The CV of a member of the responsible group may be longer.
constexpr int kCVResponsable = 12000;
constexpr int kCVColaborador = 4000;
constexpr int kNroDocumentoLength = 8;
// What the date pickers show before a person's dates are loaded.
const QDate kFechaInicial(2007, 2, 12);

QStringList RolesResponsable() {
    return {TGrupo::RolInvestigadorResponsable(), QStringLiteral("Investigador Integrante")};
}

QStringList RolesColaborador() {
    return {QStringLiteral("Becario Post Doctoral"),
            QStringLiteral("Becario Post Grado"),
            QStringLiteral("Estudiante"),
            QStringLiteral("Personal Técnico"),
            QStringLiteral("Investigador"),
            QStringLiteral("Otra Función")};
}

// A whole number in the range of a signed 32-bit integer, digits only after an optional sign.
bool IsWholeNumber(const QString& text) {
    int value = 0;
    return TextToInt(text, value);
}

QString TextOf(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* pickList = qobject_cast<const QComboBox*>(control))
        return pickList->currentText();
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(control))
        return memo->toPlainText();
    if (const auto* picker = qobject_cast<const QDateEdit*>(control))
        return picker->date().toString(Regional().ShortDateFormat());
    return QString();
}

// A date that does not convert raises EConvertError and leaves the picker as it was.
void SetTextOf(QWidget* control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* pickList = qobject_cast<QComboBox*>(control)) {
        SelectItemByText(pickList, text);
    } else if (auto* memo = qobject_cast<TMemoLimitado*>(control)) {
        memo->SetText(text);
    } else if (auto* picker = qobject_cast<QDateEdit*>(control)) {
        const QDate date = QDate::fromString(text, Regional().ShortDateFormat());
        if (!date.isValid())
            throw EConvertError(QStringLiteral("\"%1\" no es una fecha válida.").arg(text));
        picker->setDate(date);
    }
}

} // namespace

TPaginaPersona::TPaginaPersona(QWidget* parent)
    : QWidget(parent), ScrollBox8_(new QScrollArea),
      grupoEditGuardarButton_(new QPushButton(QStringLiteral("Aplicar"))),
      grupoEditCancelarButton_(new QPushButton(QStringLiteral("Cancelar"))) {
    setObjectName(QStringLiteral("grupoEditTabSheet"));

    auto* content = new QWidget;
    sections_ = new QVBoxLayout(content);
    ScrollBox8_->setObjectName(QStringLiteral("ScrollBox8"));
    ScrollBox8_->setWidgetResizable(true);
    ScrollBox8_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox8_->setWidget(content);

    QFormLayout* identificacion = AddSection(QStringLiteral("Identificación"));
    personaRolComboBox_ = AddCampo(identificacion, QStringLiteral("Rol"), QStringLiteral("rol"),
                                   NewPickList(QStringLiteral("personaRolComboBox")),
                                   QStringLiteral("Debe ingresar un Rol"));
    // The CUIL is the person's key, not a field element; its verdict stands beside the label.
    cuit_ = new TCampoCuit(
        QStringLiteral("personaCuilEdit"), QStringLiteral("cuilInvalidoLabel"),
        [this] { personaCuilEditExit(); }, this);
    personaCuilEdit_ = cuit_->Edit();
    identificacion->addRow(cuit_->Etiqueta(), personaCuilEdit_);
    personaNombreEdit_ = AddCampo(
        identificacion, QStringLiteral("Nombres"), QStringLiteral("nombre"),
        NewEdit(QStringLiteral("personaNombreEdit")), QStringLiteral("Debe ingresar el Nombre"));
    personaApellidoEdit_ =
        AddCampo(identificacion, QStringLiteral("Apellidos"), QStringLiteral("apellido"),
                 NewEdit(QStringLiteral("personaApellidoEdit")),
                 QStringLiteral("Debe ingresar el Apellido"));
    personaTipoDocumentoComboBox_ = AddCampo(
        identificacion, QStringLiteral("Tipo de Documento"), QStringLiteral("tipoDocumento"),
        NewPickList(QStringLiteral("personaTipoDocumentoComboBox")),
        QStringLiteral("Debe ingresar un Tipo de Documento"));
    personaNroDocumentoEdit_ =
        AddCampo(identificacion, QStringLiteral("Número de Documento"),
                 QStringLiteral("nroDocumento"), NewEdit(QStringLiteral("personaNroDocumentoEdit")),
                 QStringLiteral("Debe ingresar el Número de Documento"));
    personaNroDocumentoEdit_->SetLimite(kNroDocumentoLength);
    identificacion->addRow(ContadorDe(personaNroDocumentoEdit_));
    TSalidaCampo::OnExit(personaNroDocumentoEdit_, [this] { personaNroDocumentoEditExit(); });

    QFormLayout* persona = AddSection(QStringLiteral("Datos de la Persona"));
    personaSexoComboBox_ = AddCampo(persona, QStringLiteral("Sexo"), QStringLiteral("sexo"),
                                    NewPickList(QStringLiteral("personaSexoComboBox")),
                                    QStringLiteral("Debe ingresar el Sexo"));
    personaPaisNacimientoComboBox_ =
        AddCampo(persona, QStringLiteral("País de Nacimiento"), QStringLiteral("paisNacimiento"),
                 NewPickList(QStringLiteral("personaPaisNacimientoComboBox")),
                 QStringLiteral("Debe ingresar el Pais de nacimiento"));
    personaProvinciaNacimientoComboBox_ = AddCampo(
        persona, QStringLiteral("Provincia de Nacimiento"), QStringLiteral("provinciaNacimiento"),
        NewPickList(QStringLiteral("personaProvinciaNacimientoComboBox")),
        QStringLiteral("Debe ingresar la Provincia de Nacimiento"));
    AddCampo(persona, QStringLiteral("Fecha Nacimiento"), QStringLiteral("fechaNacimiento"),
             NewDatePicker(QStringLiteral("personaFechaNacimientoDateTimePicker")));
    personaEstadoCivilComboBox_ =
        AddCampo(persona, QStringLiteral("Estado Civil"), QStringLiteral("estadoCivil"),
                 NewPickList(QStringLiteral("personaEstadoCivilComboBox")),
                 QStringLiteral("Debe ingresar el Estado Civil"));

    QFormLayout* laboral = AddSection(QStringLiteral("Contacto Laboral"));
    personaLaboralPaisComboBox_ =
        AddCampo(laboral, QStringLiteral("País"), QStringLiteral("laboralPais"),
                 NewPickList(QStringLiteral("personaLaboralPaisComboBox")),
                 QStringLiteral("Debe ingresar el País"));
    personaLaboralProvinciaComboBox_ =
        AddCampo(laboral, QStringLiteral("Provincia"), QStringLiteral("laboralProvincia"),
                 NewPickList(QStringLiteral("personaLaboralProvinciaComboBox")),
                 QStringLiteral("Debe ingresar la Provincia"));
    AddCampo(laboral, QStringLiteral("Localidad"), QStringLiteral("laboralLocalidad"),
             NewEdit(QStringLiteral("personaLaboralLocalidadEdit")),
             QStringLiteral("Debe ingresar una Localidad"));
    AddCampo(laboral, QStringLiteral("Código Postal"), QStringLiteral("laboralCodPostal"),
             NewEdit(QStringLiteral("personaLaboralCodPostalEdit")),
             QStringLiteral("Debe ingresar el Código Postal"));
    AddCampo(laboral, QStringLiteral("Calle y Número"), QStringLiteral("laboralCalle"),
             NewEdit(QStringLiteral("personaLaboralCalleEdit")),
             QStringLiteral("Debe ingresar la Calle y Número"));
    AddCampo(laboral, QStringLiteral("Teléfonos/Fax"), QStringLiteral("laboralTelefono"),
             NewEdit(QStringLiteral("personaLaboralTelefonoEdit")),
             QStringLiteral("Debe ingresar el Teléfonos/Fax"));
    AddCampo(laboral, QStringLiteral("Email"), QStringLiteral("laboralEmail"),
             NewEdit(QStringLiteral("personaLaboralEmailEdit")),
             QStringLiteral("Debe ingresar el  Email"));

    QFormLayout* particular = AddSection(QStringLiteral("Contacto Particular"));
    AddCampo(particular, QStringLiteral("Teléfonos/Fax"), QStringLiteral("particularTelefono"),
             NewEdit(QStringLiteral("personaParticularTelefonoEdit")),
             QStringLiteral("Debe ingresar el Teléfonos/Fax particular"));
    AddCampo(particular, QStringLiteral("Email"), QStringLiteral("particularEmail"),
             NewEdit(QStringLiteral("personaParticularEmailEdit")),
             QStringLiteral("Debe ingresar el Email particular"));

    QFormLayout* curricular = AddSection(QStringLiteral("Datos Curriculares"));
    personaCurricularCVMemo_ = AddCampo(
        curricular,
        QStringLiteral("CV (Se puede copiar y pegar desde un archivo o documento de texto)"),
        QStringLiteral("curricularCV"),
        new TMemoLimitado(QStringLiteral("personaCurricularCVMemo")),
        QStringLiteral("Debe ingresar el CV"));
    personaCurricularCVMemo_->setMinimumHeight(160);
    TMemoLimitado* cv = personaCurricularCVMemo_;
    cvContador_ = new TContadorCaracteres(
        cv, [cv] { return cv->MaxLength(); }, [cv] { return cv->Length(); });
    connect(cv, &QPlainTextEdit::textChanged, cvContador_, &TContadorCaracteres::Actualizar);
    curricular->addRow(cvContador_);
    personaCurricularTituloComboBox_ = AddCampo(
        curricular, QStringLiteral("Mayor Título Logrado"), QStringLiteral("curricularTitulo"),
        NewPickList(QStringLiteral("personaCurricularTituloComboBox")),
        QStringLiteral("Debe ingresar el Mayor título logrado"));
    AddCampo(curricular, QStringLiteral("Formación Académica"),
             QStringLiteral("curricularFormacion"),
             new TMemoLimitado(QStringLiteral("personaCurricularFormacionMemo")),
             QStringLiteral("Debe ingresar la Formación Académica"));
    AddCampo(curricular, QStringLiteral("Actividades y/o cargos destacados en I+D"),
             QStringLiteral("curricularActividades"),
             new TMemoLimitado(QStringLiteral("personaCurricularActividadesMemo")),
             QStringLiteral("Debe ingresar las Actividades y/o cargos destacados en I+D"));
    AddCampo(curricular, QStringLiteral("Área de actuación en I+D"),
             QStringLiteral("curricularArea"),
             new TMemoLimitado(QStringLiteral("personaCurricularAreaMemo")),
             QStringLiteral("Debe ingresar el Área de actuación en I+D"));

    for (int n = 1; n <= 5; ++n)
        AddEmpleador(n);
    sections_->addStretch(1);

    grupoEditGuardarButton_->setObjectName(QStringLiteral("grupoEditGuardarButton"));
    grupoEditCancelarButton_->setObjectName(QStringLiteral("grupoEditCancelarButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(grupoEditGuardarButton_);
    buttons->addWidget(grupoEditCancelarButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ScrollBox8_, 1);
    layout->addLayout(buttons);
}

QFormLayout* TPaginaPersona::AddSection(const QString& caption) {
    auto* box = new QGroupBox(caption);
    auto* form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    // In a narrow window a field goes below its label instead of past the right edge.
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    sections_->addWidget(box);
    return form;
}

template <class T>
T* TPaginaPersona::AddCampo(QFormLayout* section, const QString& label, const QString& elemento,
                            T* control, const QString& requerido) {
    // A long label wraps rather than hold the page wider than the window leaves it.
    auto* caption = new QLabel(label);
    caption->setWordWrap(true);
    section->addRow(caption, control);
    control->setAccessibleName(label);
    campos_.push_back({elemento, control, requerido});
    return control;
}

TEditLimitado* TPaginaPersona::NewEdit(const QString& name) {
    return new TEditLimitado(name);
}

QComboBox* TPaginaPersona::NewPickList(const QString& name) {
    auto* pickList = new QComboBox;
    pickList->setObjectName(name);
    FillPickList(pickList, {});
    return pickList;
}

QDateEdit* TPaginaPersona::NewDatePicker(const QString& name) {
    auto* picker = new QDateEdit(kFechaInicial);
    picker->setObjectName(name);
    picker->setDisplayFormat(Regional().ShortDateFormat());
    picker->setCalendarPopup(true);
    return picker;
}

void TPaginaPersona::AddEmpleador(int n) {
    const QString number = QString::number(n);
    const QString prefix = QStringLiteral("personaEmpleador") + number;
    QFormLayout* section = AddSection(QStringLiteral("Datos del Empleador Actual #") + number);
    // Only the first employer is required.
    const bool first = n == 1;
    AddCampo(section, QStringLiteral("Organización"),
             TFichaPersona::CampoEmpleador(n, QStringLiteral("Organizacion")),
             NewEdit(prefix + QStringLiteral("OrganizacionEdit")),
             first ? QStringLiteral("Debe ingresar la Organización en los datos del empleador #1")
                   : QString());
    AddCampo(
        section, QStringLiteral("Cargo"), TFichaPersona::CampoEmpleador(n, QStringLiteral("Cargo")),
        NewEdit(prefix + QStringLiteral("CargoEdit")),
        first ? QStringLiteral("Debe ingresar el Cargo en los datos del empleador #1") : QString());
    QLineEdit* dedicacion = AddCampo(
        section, QStringLiteral("Dedicación (en horas semanales)"),
        TFichaPersona::CampoEmpleador(n, QStringLiteral("Dedicacion")),
        NewEdit(prefix + QStringLiteral("DedicacionEdit")),
        first
            ? QStringLiteral("Debe ingresar la Dedicación (en horas) en los datos del empleador #1")
            : QString());
    dedicacion->setText(QStringLiteral("0"));
    dedicaciones_.push_back(dedicacion);
    TSalidaCampo::OnExit(dedicacion, [this, n] { personaEmpleadorDedicacionEditExit(n); });
    AddCampo(section, QStringLiteral("Fecha de Inicio de actividades"),
             TFichaPersona::CampoEmpleador(n, QStringLiteral("FechaInicio")),
             NewDatePicker(prefix + QStringLiteral("FechaInicioDateTimePicker")));
}

void TPaginaPersona::FillPickLists() {
    FillPickList(personaPaisNacimientoComboBox_, ListaPaises().Names());
    FillPickList(personaLaboralPaisComboBox_, ListaPaises().Names());
    FillPickList(personaProvinciaNacimientoComboBox_, ListaProvincias().Names());
    FillPickList(personaLaboralProvinciaComboBox_, ListaProvincias().Names());
}

void TPaginaPersona::FillPersonaOptions(int pageIndex) {
    const bool responsable = pageIndex == 0;
    FillPickList(personaRolComboBox_, responsable ? RolesResponsable() : RolesColaborador());
    personaCurricularCVMemo_->SetMaxLength(responsable ? kCVResponsable : kCVColaborador);
    cvContador_->Actualizar();
    FillPickList(personaTipoDocumentoComboBox_,
                 {QStringLiteral("Documento Nacional de Identidad"),
                  QStringLiteral("Libreta Cívica"), QStringLiteral("Libreta de Enrolamiento"),
                  QStringLiteral("Pasaporte")});
    FillPickList(personaSexoComboBox_, {QStringLiteral("Femenino"), QStringLiteral("Masculino")});
    FillPickList(personaEstadoCivilComboBox_,
                 {QStringLiteral("Casado/a"), QStringLiteral("Divorciado/a"),
                  QStringLiteral("Separado/a"), QStringLiteral("Soltero/a"),
                  QStringLiteral("Viudo/a")});
    FillPickList(
        personaCurricularTituloComboBox_,
        {QStringLiteral("Secundario"), QStringLiteral("Superior No Universitario o Terciario"),
         QStringLiteral("Superior Universitario de Grado"), QStringLiteral("Especialización"),
         QStringLiteral("Maestría"), QStringLiteral("Doctorado"), QStringLiteral("Postdoctorado")});
}

void TPaginaPersona::ClearPersonaForm() {
    personaCuilEdit_->clear();
    for (const TCampo& campo : campos_) {
        if (auto* edit = qobject_cast<QLineEdit*>(campo.control))
            edit->clear();
        else if (auto* pickList = qobject_cast<QComboBox*>(campo.control))
            pickList->setCurrentIndex(-1);
        else if (auto* memo = qobject_cast<TMemoLimitado*>(campo.control))
            memo->SetText(QString());
    }
    for (QLineEdit* dedicacion : dedicaciones_)
        dedicacion->setText(QStringLiteral("0"));
}

void TPaginaPersona::LoadPersona(const TGrillaGrupo* grid, const QString& grupo) {
    if (grid->Count() <= 0)
        return;
    // Nothing of the person opened before stays, also where a failed load does not reach.
    ClearPersonaForm();
    for (QDateEdit* picker : findChildren<QDateEdit*>())
        picker->setDate(kFechaInicial);
    const TFichaPersona ficha =
        TFichaPersona::ReadFile(TArchivoProyecto::Nombre(), grupo, grid->SelectedCuil());
    // The rol first, then the CUIL, then the others in their order; a date that does not
    // convert ends the load there.
    for (size_t i = 0; i < campos_.size(); ++i) {
        SetTextOf(campos_[i].control, ficha.Valor(campos_[i].elemento));
        if (i == 0)
            personaCuilEdit_->setText(ficha.Cuil());
    }
}

TFichaPersona TPaginaPersona::Ficha() const {
    TFichaPersona ficha;
    ficha.SetCuil(personaCuilEdit_->text());
    for (const TCampo& campo : campos_)
        ficha.SetValor(campo.elemento, TextOf(campo.control));
    return ficha;
}

void TPaginaPersona::StorePersona(const QString& grupo) const {
    Ficha().StoreFile(TArchivoProyecto::Nombre(), grupo);
}

bool TPaginaPersona::CheckRequired(const QString& text, const QString& message) const {
    if (!text.isEmpty())
        return false;
    Dialogos().ShowCaptionedDialog(QStringLiteral("Todos los campos son requeridos. ") + message,
                                   QStringLiteral("Campo de texto vacío."), TTipoDialogo::Error,
                                   {QStringLiteral("Aceptar")}, TBotonDialogo::Aceptar);
    return true;
}

bool TPaginaPersona::CheckRequiredFields() const {
    if (CheckRequired(personaCuilEdit_->text(), QStringLiteral("Debe ingresar el Cuil")))
        return false;
    for (const TCampo& campo : campos_) {
        if (!campo.requerido.isEmpty() && CheckRequired(TextOf(campo.control), campo.requerido))
            return false;
    }
    return true;
}

QString TPaginaPersona::Cuil() const {
    return personaCuilEdit_->text();
}

QString TPaginaPersona::Rol() const {
    return personaRolComboBox_->currentText();
}

QString TPaginaPersona::Nombre() const {
    return personaNombreEdit_->text();
}

QString TPaginaPersona::Apellido() const {
    return personaApellidoEdit_->text();
}

void TPaginaPersona::ScrollToTop() {
    ScrollBox8_->verticalScrollBar()->setValue(0);
}

void TPaginaPersona::personaCuilEditExit() {
    if (restoringFocus_)
        return;
    cuit_->Comprobar();
}

void TPaginaPersona::personaNroDocumentoEditExit() {
    CheckWholeNumber(personaNroDocumentoEdit_, kDniInvalido);
}

void TPaginaPersona::personaEmpleadorDedicacionEditExit(int n) {
    CheckWholeNumber(dedicaciones_.at(size_t(n - 1)), kNoEsNumero);
}

bool TPaginaPersona::CheckWholeNumbers() {
    if (restoringFocus_)
        return false;
    std::vector<std::pair<QLineEdit*, QString>> fields = {{personaNroDocumentoEdit_, kDniInvalido}};
    for (QLineEdit* dedicacion : dedicaciones_)
        fields.emplace_back(dedicacion, kNoEsNumero);
    for (const auto& [edit, message] : fields) {
        if (!IsWholeNumber(edit->text())) {
            Dialogos().ShowError(message);
            edit->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

void TPaginaPersona::CheckWholeNumber(QLineEdit* edit, const QString& message) {
    // A field that left because the page went away is not checked, nor one that only had the
    // focus while another field took it back, nor one left for "Cancelar", which drops it.
    if (restoringFocus_ || !edit->isVisible() || IsWholeNumber(edit->text()) ||
        QApplication::focusWidget() == grupoEditCancelarButton_)
        return;
    restoringFocus_ = true;
    Dialogos().ShowError(message);
    // Back into the field once the focus has finished moving to the control that took it.
    QMetaObject::invokeMethod(
        this,
        [this, edit] {
            edit->setFocus(Qt::OtherFocusReason);
            restoringFocus_ = false;
        },
        Qt::QueuedConnection);
}
