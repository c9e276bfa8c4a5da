#include "form/UListaPresupuesto.h"

#include "document/UXMLProject.h"
#include "form/UImportes.h"
#include "form/UPresupuestoItemValor.h"
#include "form/UTotalesAnio.h"

namespace {

const QString kPresupuesto = QStringLiteral("project/document/properties/presupuesto/");
const QString kRow = QStringLiteral("row");
const QString kRubro = QStringLiteral("rubro");
const QString kDescr = QStringLiteral("descr");
const QString kContraparte = QStringLiteral("contraparte");
const QString kSubsidio = QStringLiteral("subsidio");
const QString kTotal = QStringLiteral("total");
const QString kYear = QStringLiteral("year");

// A stored amount, whatever decimal separator it was written with, in the regional form.
QString StoredAmount(const TXMLNode& row, const QString& name) {
    return FormatAmount(StoredAmountValue(row.Attribute(name)));
}

// One stored row, its attributes in the order the file has always had them.
void AppendRow(TXMLNode& presupuesto, const TRenglonPresupuesto& renglon, const QString& year) {
    TXMLNode row = presupuesto.AppendChild(kRow);
    row.SetAttribute(kRubro, renglon.rubro);
    row.SetAttribute(kDescr, renglon.descripcion);
    row.SetAttribute(kContraparte, renglon.contraparte);
    row.SetAttribute(kSubsidio, renglon.subsidio);
    row.SetAttribute(kTotal, renglon.total);
    row.SetAttribute(kYear, year);
}

} // namespace

TPresupuestoItems ReadPresupuestoItems(TXMLProject& document) {
    TPresupuestoItems items;
    const TXMLNode presupuesto = document.GetNode(kPresupuesto);
    for (const TXMLNode& row : presupuesto.Children()) {
        items.emplace_back(row.Attribute(kYear), row.Attribute(kRubro), row.Attribute(kSubsidio),
                           row.Attribute(kContraparte), row.Attribute(kTotal));
    }
    return items;
}

TPresupuestoPorAnio ReadRenglonesPresupuesto(TXMLProject& document) {
    TPresupuestoPorAnio anios;
    const TXMLNode presupuesto = document.GetNode(kPresupuesto);
    for (const TXMLNode& row : presupuesto.Children()) {
        const QString rubro = row.Attribute(kRubro);
        if (rubro == TPresupuestoItem::GetRubroGastosAdministracion() ||
            rubro == TPresupuestoItem::GetRubroTotalAnual())
            continue;
        const QString year = row.Attribute(kYear);
        for (int anio = 1; anio <= kAniosPresupuesto; ++anio) {
            if (year == QString::number(anio)) {
                anios[anio - 1].push_back(
                    {rubro, row.Attribute(kDescr), StoredAmount(row, kSubsidio),
                     StoredAmount(row, kContraparte), StoredAmount(row, kTotal)});
            }
        }
    }
    return anios;
}

void WritePresupuesto(TXMLProject& document, const TPresupuestoPorAnio& anios,
                      const std::array<bool, kAniosPresupuesto>& incluidos) {
    TXMLNode presupuesto = document.GetNode(kPresupuesto);
    presupuesto.RemoveAllChildren();
    for (int i = 0; i < kAniosPresupuesto; ++i) {
        if (!incluidos[i])
            continue;
        const QString year = QString::number(i + 1);
        for (const TRenglonPresupuesto& renglon : anios[i])
            AppendRow(presupuesto, renglon, year);
        const TTotalesAnio totales = TotalesDeAnio(anios[i]);
        AppendRow(presupuesto,
                  {TPresupuestoItem::GetRubroGastosAdministracion(), QString(), totales.subGasto,
                   totales.conGasto, totales.totGasto},
                  year);
        AppendRow(presupuesto,
                  {TPresupuestoItem::GetRubroTotalAnual(), QString(), totales.subTotal,
                   totales.conTotal, totales.totTotal},
                  year);
    }
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
