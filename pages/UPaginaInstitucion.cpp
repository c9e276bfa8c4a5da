#include "pages/UPaginaInstitucion.h"

#include "document/UXMLProject.h"
#include "pages/UListasCodigo.h"
#include "pages/UPaginaEditLimitado.h"
#include "pages/UPaginaListas.h"
#include "pages/UValorCodificado.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

TPaginaInstitucion::TPaginaInstitucion(const TDatos& datos, QWidget* parent)
    : QWidget(parent), datos_(datos) {
    setObjectName(datos_.name);

    // The page scrolls when the window is lower than its sections.
    auto* content = new QWidget;
    sections_ = new QVBoxLayout(content);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(datos_.prefix + QStringLiteral("ScrollBox"));
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    QFormLayout* identificacion = AddSection(QStringLiteral("Identificación"));
    siglasEdit_ = AddEdit(identificacion, QStringLiteral("Siglas"), QStringLiteral("SiglasEdit"));
    denominacionEdit_ =
        AddEdit(identificacion, datos_.denominacion, QStringLiteral("DenominacionEdit"));

    QFormLayout* domicilio = AddSection(QStringLiteral("Domicilio"));
    paisComboBox_ = AddPickList(domicilio, QStringLiteral("Pais"), QStringLiteral("PaisComboBox"));
    provinciaComboBox_ =
        AddPickList(domicilio, QStringLiteral("Provincia"), QStringLiteral("ProvinciaComboBox"));
    localidadEdit_ =
        AddEdit(domicilio, QStringLiteral("Localidad"), QStringLiteral("LocalidadEdit"));
    codigoPostalEdit_ =
        AddEdit(domicilio, QStringLiteral("Código Postal"), QStringLiteral("CodigoPostalEdit"));
    calleEdit_ = AddEdit(domicilio, QStringLiteral("Calle y Número"), QStringLiteral("CalleEdit"));
    telefonoEdit_ =
        AddEdit(domicilio, QStringLiteral("Teléfonos / Fax"), QStringLiteral("TelefonoEdit"));
    emailEdit_ = AddEdit(domicilio, QStringLiteral("Email"), QStringLiteral("EmailEdit"));
    webEdit_ = AddEdit(domicilio, QStringLiteral("Sitio Web"), QStringLiteral("WebEdit"));
}

void TPaginaInstitucion::FillPickLists() {
    FillPickList(paisComboBox_, ListaPaises().Names());
    FillPickList(provinciaComboBox_, ListaProvincias().Names());
}

bool TPaginaInstitucion::TieneDatos() const {
    for (const QLineEdit* edit : findChildren<QLineEdit*>()) {
        // A pick list's own line counts through its pick list.
        if (qobject_cast<const QComboBox*>(edit->parentWidget()) == nullptr &&
            !edit->text().trimmed().isEmpty())
            return true;
    }
    for (const QComboBox* pickList : findChildren<QComboBox*>()) {
        if (pickList->currentIndex() >= 0 && !pickList->currentText().isEmpty())
            return true;
    }
    return false;
}

QFormLayout* TPaginaInstitucion::AddSection(const QString& caption) {
    auto* box = new QGroupBox(caption);
    auto* form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    // Each section keeps its height; the space left stays below the last one.
    if (sections_->count() > 0)
        delete sections_->takeAt(sections_->count() - 1);
    sections_->addWidget(box);
    sections_->addStretch(1);
    return form;
}

QLineEdit* TPaginaInstitucion::AddEdit(QFormLayout* section, const QString& label,
                                       const QString& name) {
    auto* edit = new TEditLimitado(datos_.prefix + name);
    section->addRow(label, edit);
    return edit;
}

QComboBox* TPaginaInstitucion::AddPickList(QFormLayout* section, const QString& label,
                                           const QString& name) {
    auto* pickList = new QComboBox;
    pickList->setObjectName(datos_.prefix + name);
    FillPickList(pickList, {});
    section->addRow(label, pickList);
    return pickList;
}

void TPaginaInstitucion::AddResponsable() {
    QFormLayout* responsable = AddSection(QStringLiteral("Datos del Resposable Legal / Autoridad"));
    responsableNombreEdit_ = AddEdit(responsable, QStringLiteral("Apellido y Nombres"),
                                     QStringLiteral("ResponsableNombreEdit"));
    responsableCargoEdit_ =
        AddEdit(responsable, QStringLiteral("Cargo"), QStringLiteral("ResponsableCargoEdit"));
}

QString TPaginaInstitucion::Path(const QString& relative) const {
    return datos_.element + QStringLiteral("/document/properties/") + relative;
}

void TPaginaInstitucion::SaveText(TXMLProject& project, const QString& relative,
                                  const QLineEdit* edit) const {
    project.SetCData(Path(relative), edit->text());
}

void TPaginaInstitucion::LoadText(TXMLProject& project, const QString& relative,
                                  QLineEdit* edit) const {
    edit->setText(project.GetText(Path(relative), QString()));
}

void TPaginaInstitucion::SaveInstitucion(TXMLProject& project) const {
    // The acronym goes under "denominacion", the full name under "razonsocial".
    SaveText(project, QStringLiteral("denominacion/"), siglasEdit_);
    SaveText(project, QStringLiteral("razonsocial/"), denominacionEdit_);
    SaveCodedValue(project, Path(QStringLiteral("domicilio/tipoDomicilio/")), datos_.tipoDomicilio,
                   datos_.tipoDomicilioName);
    SaveCodedName(project, Path(QStringLiteral("domicilio/pais/")), ListaPaises(),
                  paisComboBox_->currentText());
    SaveCodedName(project, Path(QStringLiteral("domicilio/provincia/")), ListaProvincias(),
                  provinciaComboBox_->currentText());
    SaveText(project, QStringLiteral("domicilio/localidad/"), localidadEdit_);
    SaveText(project, QStringLiteral("domicilio/cp/"), codigoPostalEdit_);
    SaveText(project, QStringLiteral("domicilio/calle/"), calleEdit_);
    SaveText(project, QStringLiteral("domicilio/telefonos/"), telefonoEdit_);
    SaveText(project, QStringLiteral("domicilio/web/"), webEdit_);
    SaveText(project, QStringLiteral("domicilio/email/"), emailEdit_);
    if (responsableNombreEdit_ != nullptr) {
        SaveText(project, QStringLiteral("contacto/nombre/"), responsableNombreEdit_);
        SaveText(project, QStringLiteral("contacto/cargo/"), responsableCargoEdit_);
    }
    if (anioConstitucionEdit_ != nullptr)
        SaveText(project, QStringLiteral("anoConstitucion/"), anioConstitucionEdit_);
}

void TPaginaInstitucion::LoadInstitucion(TXMLProject& project) {
    LoadText(project, QStringLiteral("denominacion/"), siglasEdit_);
    LoadText(project, QStringLiteral("razonsocial/"), denominacionEdit_);
    SelectItemByText(paisComboBox_,
                     LoadCodedName(project, Path(QStringLiteral("domicilio/pais/"))));
    SelectItemByText(provinciaComboBox_,
                     LoadCodedName(project, Path(QStringLiteral("domicilio/provincia/"))));
    LoadText(project, QStringLiteral("domicilio/localidad/"), localidadEdit_);
    LoadText(project, QStringLiteral("domicilio/cp/"), codigoPostalEdit_);
    LoadText(project, QStringLiteral("domicilio/calle/"), calleEdit_);
    LoadText(project, QStringLiteral("domicilio/telefonos/"), telefonoEdit_);
    LoadText(project, QStringLiteral("domicilio/web/"), webEdit_);
    LoadText(project, QStringLiteral("domicilio/email/"), emailEdit_);
    if (responsableNombreEdit_ != nullptr) {
        LoadText(project, QStringLiteral("contacto/nombre/"), responsableNombreEdit_);
        LoadText(project, QStringLiteral("contacto/cargo/"), responsableCargoEdit_);
    }
    if (anioConstitucionEdit_ != nullptr)
        LoadText(project, QStringLiteral("anoConstitucion/"), anioConstitucionEdit_);
}
