#include "pages/UPaginaInstitucion.h"

#include "widgets/UEditLimitado.h"
#include "widgets/UEnlaceRegistro.h"
#include "widgets/UPaginaListas.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

#include <utility>

TPaginaInstitucion::TPaginaInstitucion(const TDatos& datos, TRegistroCampos registro,
                                       QWidget* parent)
    : QWidget(parent), datos_(datos), registro_(std::move(registro)) {
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
    AddEdit(identificacion, QStringLiteral("Siglas"), QStringLiteral("SiglasEdit"));
    AddEdit(identificacion, datos_.denominacion, QStringLiteral("DenominacionEdit"));

    QFormLayout* domicilio = AddSection(QStringLiteral("Domicilio"));
    AddPickList(domicilio, QStringLiteral("Pais"), QStringLiteral("PaisComboBox"));
    AddPickList(domicilio, QStringLiteral("Provincia"), QStringLiteral("ProvinciaComboBox"));
    AddEdit(domicilio, QStringLiteral("Localidad"), QStringLiteral("LocalidadEdit"));
    AddEdit(domicilio, QStringLiteral("Código Postal"), QStringLiteral("CodigoPostalEdit"));
    AddEdit(domicilio, QStringLiteral("Calle y Número"), QStringLiteral("CalleEdit"));
    AddEdit(domicilio, QStringLiteral("Teléfonos / Fax"), QStringLiteral("TelefonoEdit"));
    AddEdit(domicilio, QStringLiteral("Email"), QStringLiteral("EmailEdit"));
    AddEdit(domicilio, QStringLiteral("Sitio Web"), QStringLiteral("WebEdit"));
}

void TPaginaInstitucion::FillPickLists() {
    LlenarListasRegistro(registro_, this);
}

bool TPaginaInstitucion::TieneDatos() const {
    TRegistroCampos registro = registro_;
    TomarRegistro(registro, this);
    return registro.TieneDatos();
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
    AddEdit(responsable, QStringLiteral("Apellido y Nombres"),
            QStringLiteral("ResponsableNombreEdit"));
    AddEdit(responsable, QStringLiteral("Cargo"), QStringLiteral("ResponsableCargoEdit"));
}

void TPaginaInstitucion::SaveInstitucion(TXMLProject& project) const {
    TRegistroCampos registro = registro_;
    TomarRegistro(registro, this);
    registro.Escribir(project);
}

void TPaginaInstitucion::LoadInstitucion(TXMLProject& project) {
    TRegistroCampos registro = registro_;
    registro.Leer(project);
    MostrarRegistro(registro, this);
}
