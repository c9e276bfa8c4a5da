#include "pages/UTotalesAnio.h"

#include "pages/UImportes.h"

namespace {

const QString kCero = QStringLiteral("0");
constexpr long double kPorcentajeGastos = 4;

} // namespace

TTotalesAnio TotalesDeAnio(const TRenglones& renglones) {
    QString subsidio = kCero;
    QString contraparte = kCero;
    QString total = kCero;
    for (const TRenglonPresupuesto& renglon : renglones) {
        subsidio = SumAmounts(subsidio, renglon.subsidio);
        contraparte = SumAmounts(contraparte, renglon.contraparte);
        total = SumAmounts(contraparte, subsidio);
    }
    const QString gastos = FormatAmount(AmountValue(subsidio) * kPorcentajeGastos / 100);
    return {gastos,      kCero,
            gastos,      SumAmounts(subsidio, gastos),
            contraparte, SumAmounts(total, gastos)};
}
