#include "pages/UPaginaBeneficiaria.h"

#include "form/URegistroInstitucion.h"
#include "widgets/UCampoCuit.h"
#include "widgets/UEditLimitado.h"

#include <QFormLayout>

TPaginaBeneficiaria::TPaginaBeneficiaria(QWidget* parent)
    : TPaginaInstitucion({QStringLiteral("institucionBeneficiariaTab"), QStringLiteral("ben"),
                          QStringLiteral("beneficiaria"),
                          QStringLiteral("Denominación o Razón Social (completa y sin "
                                         "abreviaturas)")},
                         RegistroBeneficiaria(), parent) {
    AddResponsable();
    QFormLayout* organizacion = AddSection(QStringLiteral("Datos de la Organización"));
    cuit_ = new TCampoCuit(
        QStringLiteral("benCuitEdit"), QStringLiteral("benCuilInvalidoLabel"),
        [this] { benCuitEditExit(); }, this);
    organizacion->addRow(cuit_->Etiqueta(), cuit_->Edit());
    AddPickList(organizacion, QStringLiteral("Tipo de Institución"),
                QStringLiteral("TipoInstitucionComboBox"));
    AddPickList(organizacion, QStringLiteral("Tipo de Gestión"),
                QStringLiteral("TipoGestionComboBox"));
    AddPickList(organizacion, QStringLiteral("Jurisdicción"), QStringLiteral("RegionComboBox"));
    AddEdit(organizacion, QStringLiteral("Año de Constitución o de Creación"),
            QStringLiteral("AnioConstitucionEdit"));
}

void TPaginaBeneficiaria::benCuitEditExit() {
    cuit_->Comprobar();
}
