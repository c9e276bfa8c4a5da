#include "form/UTotalesAnio.h"

#include "form/UImportes.h"

namespace {

const QString kCero = QStringLiteral("0");
constexpr long double kPorcentajeGastos = 4;

} // namespace

TTotalesAnio TotalesDeAnio(const TRenglones& renglones) {
    QString subsidio = kCero;
    QString contraparte = kCero;
    for (const TRenglonPresupuesto& renglon : renglones) {
        subsidio = SumAmounts(subsidio, renglon.subsidio);
        contraparte = SumAmounts(contraparte, renglon.contraparte);
    }
    // The total is the two running sums added once they are complete.
    const QString total = renglones.empty() ? kCero : SumAmounts(contraparte, subsidio);
    const QString gastos = FormatAmount(AmountValue(subsidio) * kPorcentajeGastos / 100);
    return {gastos,      kCero,
            gastos,      SumAmounts(subsidio, gastos),
            contraparte, SumAmounts(total, gastos)};
}
