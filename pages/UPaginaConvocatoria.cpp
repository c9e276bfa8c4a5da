#include "pages/UPaginaConvocatoria.h"

#include "config/UConfiguracion.h"
#include "config/UConvocatoria.h"
#include "document/UXMLProject.h"
#include "widgets/UPaginaListas.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const QString kConvocatoria = QStringLiteral("project/document/properties/convocatoria/");

} // namespace

TPaginaConvocatoria::TPaginaConvocatoria(QWidget* parent)
    : QWidget(parent), layout_(new QVBoxLayout(this)), convocatoriaNameComboBox_(new QComboBox) {
    setObjectName(QStringLiteral("convocatoriaTab"));
    convocatoriaNameComboBox_->setObjectName(QStringLiteral("convocatoriaNameComboBox"));
    // Replaced by the configuration's calls at start.
    FillPickList(convocatoriaNameComboBox_,
                 {QStringLiteral("ROVA-I-A-2006"), QStringLiteral("ROVA-II-A-2006"),
                  QStringLiteral("ROVA-I-B-2006")});
    AddGrupo(QStringLiteral("convocatoriaNameGroupBox"), QStringLiteral("Nombre"),
             convocatoriaNameComboBox_);
    convocatoriaAnioEdit_ = AddCampo("convocatoriaAnioEdit", QStringLiteral("Año convocatoria"));
    convocatoriaTipoEdit_ = AddCampo("convocatoriaTipoEdit", QStringLiteral("Tipo"));
    convocatoriaCategoriaEdit_ = AddCampo("convocatoriaCategoriaEdit", QStringLiteral("Categoría"));
    convocatoriaTipoProyectoEdit_ =
        AddCampo("convocatoriaTipoProyectoEdit", QStringLiteral("Tipo de Proyecto"));
    convocatoriaFechaAperturaEdit_ =
        AddCampo("convocatoriaFechaAperturaEdit", QStringLiteral("Fecha de apertura"));
    convocatoriaFechaCierreEdit_ =
        AddCampo("convocatoriaFechaCierreEdit", QStringLiteral("Fecha de cierre"));
    convocatoriaDuracionMaximaEdit_ =
        AddCampo("convocatoriaDuracionMaximaEdit", QStringLiteral("Duración máxima"));

    connect(convocatoriaNameComboBox_, &QComboBox::activated, this,
            &TPaginaConvocatoria::convocatoriaNameComboBoxChange);
    layout_->addStretch(1);
}

void TPaginaConvocatoria::AddGrupo(const QString& name, const QString& caption, QWidget* control) {
    auto* box = new QGroupBox(caption);
    box->setObjectName(name);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(control);
    layout_->addWidget(box);
}

QLineEdit* TPaginaConvocatoria::AddCampo(const char* name, const QString& caption) {
    const QString editName = QString::fromLatin1(name);
    auto* edit = new QLineEdit;
    edit->setObjectName(editName);
    edit->setReadOnly(true);
    QString boxName = editName;
    boxName.replace(QStringLiteral("Edit"), QStringLiteral("GroupBox"));
    AddGrupo(boxName, caption, edit);
    return edit;
}

void TPaginaConvocatoria::FillConvocatorias(const TConfiguracion& configuracion) {
    FillPickList(convocatoriaNameComboBox_, configuracion.GetConvocatorias());
}

QString TPaginaConvocatoria::Caption() const {
    return convocatoriaNameComboBox_->currentText();
}

void TPaginaConvocatoria::SelectConvocatoria(const QString& caption) {
    SelectItemByText(convocatoriaNameComboBox_, caption);
}

void TPaginaConvocatoria::ShowConvocatoria(const TConvocatoria& convocatoria) {
    convocatoriaAnioEdit_->setText(convocatoria.GetAnoConvocatoria());
    convocatoriaTipoEdit_->setText(convocatoria.GetTipoConvocatoria());
    convocatoriaCategoriaEdit_->setText(convocatoria.GetCategoria());
    convocatoriaTipoProyectoEdit_->setText(convocatoria.GetTipoProyecto());
    convocatoriaFechaAperturaEdit_->setText(convocatoria.GetFechaApertura());
    convocatoriaFechaCierreEdit_->setText(convocatoria.GetFechaCierre());
    convocatoriaDuracionMaximaEdit_->setText(convocatoria.GetDuracionMaxima());
}

QString TPaginaConvocatoria::DuracionMaxima() const {
    return convocatoriaDuracionMaximaEdit_->text();
}

void TPaginaConvocatoria::SaveConvocatoria(TXMLProject& project) const {
    project.ForceAttribute(kConvocatoria, QStringLiteral("doc-name"), Caption());
    project.SetCData(kConvocatoria + QStringLiteral("ano/"), convocatoriaAnioEdit_->text());
    // Whatever the descriptor says, the call type's code is "ROVA".
    project.ForceAttribute(kConvocatoria + QStringLiteral("tipoConvocatoria/"),
                           QStringLiteral("code"), QStringLiteral("ROVA"));
    project.ForceAttribute(kConvocatoria + QStringLiteral("tipoConvocatoria/text/"),
                           QStringLiteral("lang"), QStringLiteral("es"));
    project.SetCData(kConvocatoria + QStringLiteral("tipoConvocatoria/text/"),
                     convocatoriaTipoEdit_->text());
    project.SetCData(kConvocatoria + QStringLiteral("categoria/text/"),
                     convocatoriaCategoriaEdit_->text());
    project.SetCData(kConvocatoria + QStringLiteral("tipoProyecto/text/"),
                     convocatoriaTipoProyectoEdit_->text());
}
