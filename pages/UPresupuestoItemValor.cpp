#include "pages/UPresupuestoItemValor.h"

#include "pages/UImportes.h"
#include "pages/UPresupuestoItem.h"

long double TPresupuestoItemSubsidio::GetValor(const TPresupuestoItem& item) const {
    return StoredAmountValue(item.subsidio);
}

long double TPresupuestoItemContraparte::GetValor(const TPresupuestoItem& item) const {
    return StoredAmountValue(item.contraparte);
}
