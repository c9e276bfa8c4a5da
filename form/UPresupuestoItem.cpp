#include "form/UPresupuestoItem.h"

bool TPresupuestoItem::IsRegular() const {
    return rubro != GetRubroGastosAdministracion() && rubro != GetRubroTotalAnual();
}
