#include "pages/UPaginaBeneficiaria.h"

#include "app/USalidaCampo.h"
#include "document/UXMLProject.h"
#include "ids/UCuitWeb.h"
#include "pages/UListasCodigo.h"
#include "pages/UPaginaEditLimitado.h"
#include "pages/UPaginaListas.h"
#include "pages/UValorCodificado.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

TPaginaBeneficiaria::TPaginaBeneficiaria(QWidget* parent)
    : TPaginaInstitucion({QStringLiteral("institucionBeneficiariaTab"), QStringLiteral("ben"),
                          QStringLiteral("beneficiaria"),
                          QStringLiteral("Denominación o Razón Social (completa y sin "
                                         "abreviaturas)"),
                          QStringLiteral("LEGAL"), QStringLiteral("Domicilio Legal")},
                         parent) {
    AddResponsable();

    QFormLayout* organizacion = AddSection(QStringLiteral("Datos de la Organización"));
    // The check's verdict stands in red beside the label.
    auto* cuitLabel = new QWidget;
    auto* cuitLabelLayout = new QHBoxLayout(cuitLabel);
    cuitLabelLayout->setContentsMargins(0, 0, 0, 0);
    cuitLabelLayout->addWidget(new QLabel(QStringLiteral("CUIT/CUIL  (sin guiones)")));
    benCuilInvalidoLabel_ = new QLabel;
    benCuilInvalidoLabel_->setObjectName(QStringLiteral("benCuilInvalidoLabel"));
    benCuilInvalidoLabel_->setStyleSheet(QStringLiteral("color: red;"));
    cuitLabelLayout->addWidget(benCuilInvalidoLabel_);
    benCuitEdit_ = new TEditLimitado(QStringLiteral("benCuitEdit"));
    benCuitEdit_->setAccessibleName(QStringLiteral("CUIT/CUIL  (sin guiones)"));
    organizacion->addRow(cuitLabel, benCuitEdit_);
    TSalidaCampo::OnExit(benCuitEdit_, [this] { benCuitEditExit(); });

    benTipoInstitucionComboBox_ = AddPickList(organizacion, QStringLiteral("Tipo de Institución"),
                                              QStringLiteral("TipoInstitucionComboBox"));
    benTipoGestionComboBox_ = AddPickList(organizacion, QStringLiteral("Tipo de Gestión"),
                                          QStringLiteral("TipoGestionComboBox"));
    benRegionComboBox_ =
        AddPickList(organizacion, QStringLiteral("Jurisdicción"), QStringLiteral("RegionComboBox"));
    SetAnioConstitucion(AddEdit(organizacion, QStringLiteral("Año de Constitución o de Creación"),
                                QStringLiteral("AnioConstitucionEdit")));
}

void TPaginaBeneficiaria::FillPickLists() {
    TPaginaInstitucion::FillPickLists();
    FillPickList(benTipoInstitucionComboBox_, ListaTiposInstitucion().Names());
    FillPickList(benTipoGestionComboBox_, ListaTiposGestion().Names());
    FillPickList(benRegionComboBox_, ListaRegiones().Names());
}

void TPaginaBeneficiaria::SaveBeneficiaria(TXMLProject& project) const {
    SaveInstitucion(project);
    SaveText(project, QStringLiteral("cuitcuil/"), benCuitEdit_);
    SaveCodedName(project, Path(QStringLiteral("tipoorganizacion/")), ListaTiposInstitucion(),
                  benTipoInstitucionComboBox_->currentText());
    SaveCodedName(project, Path(QStringLiteral("tipogestion/")), ListaTiposGestion(),
                  benTipoGestionComboBox_->currentText());
    SaveCodedName(project, Path(QStringLiteral("region/")), ListaRegiones(),
                  benRegionComboBox_->currentText());
}

void TPaginaBeneficiaria::LoadBeneficiaria(TXMLProject& project) {
    LoadInstitucion(project);
    // The number is not checked on loading: the label stays as it is.
    LoadText(project, QStringLiteral("cuitcuil/"), benCuitEdit_);
    SelectItemByText(benTipoInstitucionComboBox_,
                     LoadCodedName(project, Path(QStringLiteral("tipoorganizacion/"))));
    SelectItemByText(benTipoGestionComboBox_,
                     LoadCodedName(project, Path(QStringLiteral("tipogestion/"))));
    SelectItemByText(benRegionComboBox_, LoadCodedName(project, Path(QStringLiteral("region/"))));
}

void TPaginaBeneficiaria::benCuitEditExit() {
    benCuilInvalidoLabel_->setText(TCuitWeb().IsValidCuit(benCuitEdit_->text())
                                       ? QString()
                                       : QStringLiteral("El cuil ingresado no es válido"));
}
