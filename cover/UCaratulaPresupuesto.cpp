#include "cover/UCaratulaPresupuesto.h"

#include "document/UEnteros.h"
#include <optional>

TPresupuestoItems CoverRowsOfYear(const TPresupuestoItems& items, int year) {
    const QString text = QString::number(year);
    TPresupuestoItems rows;
    std::optional<TPresupuestoItem> administracion;
    std::optional<TPresupuestoItem> total;
    for (const TPresupuestoItem& item : items) {
        if (item.year != text)
            continue;
        if (item.rubro == TPresupuestoItem::GetRubroGastosAdministracion())
            administracion = item;
        else if (item.rubro == TPresupuestoItem::GetRubroTotalAnual())
            total = item;
        else
            rows.push_back(item);
    }
    if (administracion)
        rows.push_back(*administracion);
    if (total)
        rows.push_back(*total);
    return rows;
}

int CoverYears(const QString& duracion) {
    return DurationYears(duracion);
}
