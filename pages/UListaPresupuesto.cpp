#include "pages/UListaPresupuesto.h"

#include "document/UXMLProject.h"
#include "pages/UPresupuestoItemValor.h"

TPresupuestoItems ReadPresupuestoItems(TXMLProject& document) {
    TPresupuestoItems items;
    const TXMLNode presupuesto =
        document.GetNode(QStringLiteral("project/document/properties/presupuesto/"));
    for (const TXMLNode& row : presupuesto.Children()) {
        items.emplace_back(
            row.Attribute(QStringLiteral("year")), row.Attribute(QStringLiteral("rubro")),
            row.Attribute(QStringLiteral("subsidio")), row.Attribute(QStringLiteral("contraparte")),
            row.Attribute(QStringLiteral("total")));
    }
    return items;
}

namespace {
template <typename Predicate>
TPresupuestoItems Filter(const TPresupuestoItems& items, Predicate keep) {
    TPresupuestoItems result;
    for (const TPresupuestoItem& item : items) {
        if (keep(item))
            result.push_back(item);
    }
    return result;
}
} // namespace

TPresupuestoItems RegularItems(const TPresupuestoItems& items) {
    return Filter(items, [](const TPresupuestoItem& item) { return item.IsRegular(); });
}

TPresupuestoItems ItemsOfYear(const TPresupuestoItems& items, const QString& year) {
    return Filter(items, [&year](const TPresupuestoItem& item) {
        return item.year == year || item.year == QLatin1String("0");
    });
}

TPresupuestoItems ItemsOfRubro(const TPresupuestoItems& items, const QString& rubro) {
    return Filter(items, [&rubro](const TPresupuestoItem& item) { return item.rubro == rubro; });
}

long double SumValor(const TPresupuestoItems& items, const TPresupuestoItemValor& valor) {
    long double sum = 0;
    for (const TPresupuestoItem& item : items)
        sum += valor.GetValor(item);
    return sum;
}
