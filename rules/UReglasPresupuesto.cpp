#include "rules/UReglasPresupuesto.h"

#include "document/UEnteros.h"
#include "document/UXMLProject.h"
#include "form/UImportes.h"
#include "form/UPresupuestoItemValor.h"

#include <QStringList>

#include <cmath>

namespace {

const QChar kSaltoDeLinea = QChar(13);

// Whole cents of a sum of amounts. Amounts have two decimals, but their binary sums do not
// land exactly on them (1000.09 + 2333.55 comes out above 3333.64); comparing cents keeps a
// sum that equals a limit at the limit.
long double Centavos(long double value) {
    return std::roundl(value * 100);
}

long double SumSubsidio(const TPresupuestoItems& items) {
    return SumValor(items, TPresupuestoItemSubsidio());
}

int IntegerOr(const QString& text, int fallback) {
    return TextToIntDef(text, fallback);
}

std::optional<QString> Joined(const QStringList& lines) {
    if (lines.isEmpty())
        return std::nullopt;
    return lines.join(kSaltoDeLinea);
}

} // namespace

std::optional<QString> TReglasPresupuesto::CheckEmptyYears(const TPresupuestoItems& regular,
                                                           int duracion) {
    QStringList lines;
    for (int year = 1; year <= duracion; ++year) {
        const QString yearText = QString::number(year);
        if (ItemsOfYear(regular, yearText).empty()) {
            lines.append(QStringLiteral("La tabla de presupuesto para el año ") + yearText +
                         QStringLiteral(" se encuentra vacía"));
        }
    }
    return Joined(lines);
}

bool TReglasPresupuesto::SubsidioExceedsContraparte(const TPresupuestoItems& regular) {
    return Centavos(SumSubsidio(regular)) >
           Centavos(SumValor(regular, TPresupuestoItemContraparte()));
}

std::optional<QString> TReglasPresupuesto::CheckRubroRange(const TPresupuestoItems& regular,
                                                           const QString& rubro,
                                                           const QString& year,
                                                           const QString& minimo,
                                                           const QString& maximo) {
    const TPresupuestoItems rows = ItemsOfYear(ItemsOfRubro(regular, rubro), year);
    if (rows.empty())
        return std::nullopt;
    const long double sum = SumSubsidio(rows);
    const long double cents = Centavos(sum);
    if (cents <= Centavos(StoredAmountValue(maximo)) &&
        cents >= Centavos(StoredAmountValue(minimo)))
        return std::nullopt;
    return QStringLiteral("El total del rubro ") + rubro + QStringLiteral(" para el año ") + year +
           QStringLiteral(" es de $") + FormatAmount(sum) +
           QStringLiteral(" y debe encontrarse entre $") + minimo + QStringLiteral(" y $") + maximo;
}

long double TReglasPresupuesto::MaxSubsidioAnual(int year, int area,
                                                 const QString& tipoConvocatoria) {
    if (tipoConvocatoria == QLatin1String("ROVA-I-B") ||
        tipoConvocatoria == QLatin1String("ROVA-II-B"))
        return 15000;
    // Ciencias Económicas y Derecho, Ciencias Sociales, Ciencias Humanas.
    const bool areaSocial = area == 2 || area == 4 || area == 16;
    switch (year) {
    case 1:
        return areaSocial ? 80000 : 130000;
    case 2:
        return areaSocial ? 80000 : 90000;
    default:
        return areaSocial ? 70000 : 80000;
    }
}

std::optional<QString> TReglasPresupuesto::CheckMaxSubsidioAnual(const TPresupuestoItems& all,
                                                                 const QString& areaCode,
                                                                 const QString& tipoConvocatoria) {
    const int area = IntegerOr(areaCode, 0);
    QStringList lines;
    for (const TPresupuestoItem& item : all) {
        if (item.rubro != TPresupuestoItem::GetRubroTotalAnual())
            continue;
        const long double maximo =
            MaxSubsidioAnual(IntegerOr(item.year, 0), area, tipoConvocatoria);
        if (Centavos(TPresupuestoItemSubsidio().GetValor(item)) > Centavos(maximo)) {
            lines.append(QStringLiteral("El subsidio total para el año ") + item.year +
                         QStringLiteral(" es de ") + item.subsidio +
                         QStringLiteral(" pero en el área seleccionada no puede superar el "
                                        "total de $") +
                         FormatAmount(maximo));
        }
    }
    return Joined(lines);
}

std::optional<QString> TReglasPresupuesto::CheckRubroPercentage(const TPresupuestoItems& regular,
                                                                const QString& rubro, int limite) {
    const long double part = SumSubsidio(ItemsOfRubro(regular, rubro));
    const long double totalCents = Centavos(SumSubsidio(regular));
    if (totalCents == 0)
        return std::nullopt;
    const long double share = Centavos(part) * 100 / totalCents;
    if (share <= limite)
        return std::nullopt;
    return QStringLiteral("El porcentaje del subsidio para el rubro \"") + rubro +
           QStringLiteral("\" es de ") + FormatAmount(share) + QStringLiteral("% ($") +
           FormatAmount(part) + QStringLiteral(") pero no debe ser mayor al ") +
           QString::number(limite) + QLatin1Char('%');
}

int TReglasPresupuesto::Duracion(TXMLProject& document) {
    return DurationYears(document.GetText(QStringLiteral("project/document/properties/duracion/"),
                                          QStringLiteral("1")));
}

QString TReglasPresupuesto::AreaCode(TXMLProject& document) {
    return document.GetAttribute(
        QStringLiteral("project/document/properties/areatematica/principal/"),
        QStringLiteral("code"), QString());
}
