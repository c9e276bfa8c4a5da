#include "form/UPresupuestoItemValor.h"

#include "form/UImportes.h"
#include "form/UPresupuestoItem.h"

long double TPresupuestoItemSubsidio::GetValor(const TPresupuestoItem& item) const {
    return StoredAmountValue(item.subsidio);
}

long double TPresupuestoItemContraparte::GetValor(const TPresupuestoItem& item) const {
    return StoredAmountValue(item.contraparte);
}
