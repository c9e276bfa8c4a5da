#pragma once

#include "form/UListaPresupuesto.h"

#include <QString>

#include <optional>

class TXMLProject;

// The budget rules, each on lists of stored budget rows. A check gives its message when the
// rule is broken and nothing when it holds. Amounts are summed in long double; a comparison
// with a limit is made on the sum rounded to whole cents, so lines that add up to a limit
// exactly never break it through binary rounding.
class TReglasPresupuesto {
  public:
    // One line "La tabla de presupuesto para el año " + y + " se encuentra vacía" per year y
    // from 1 to duracion without regular rows, joined by a carriage return.
    static std::optional<QString> CheckEmptyYears(const TPresupuestoItems& regular, int duracion);

    // The subsidy sum of all rows is strictly greater than their counterpart sum.
    static bool SubsidioExceedsContraparte(const TPresupuestoItems& regular);

    // The subsidy sum of the rubro's rows of that year (year "0" rows included) lies outside
    // [minimo, maximo]; a year without such rows passes. minimo and maximo are written into the
    // message as given.
    static std::optional<QString> CheckRubroRange(const TPresupuestoItems& regular,
                                                  const QString& rubro, const QString& year,
                                                  const QString& minimo, const QString& maximo);

    // Ceiling of the yearly subsidy (administration expense included) for a year, a thematic
    // area number and a call type.
    static long double MaxSubsidioAnual(int year, int area, const QString& tipoConvocatoria);

    // One line per "TOTAL ANUAL" row, in document order, whose subsidy exceeds its year's
    // ceiling, joined by a carriage return. A year or area code that is not an integer counts
    // as 0 ("any other year", "any other area").
    static std::optional<QString> CheckMaxSubsidioAnual(const TPresupuestoItems& all,
                                                        const QString& areaCode,
                                                        const QString& tipoConvocatoria);

    // The rubro's share of the total subsidy, all years, is strictly greater than limite
    // percent. With a total subsidy of 0 there is no share and the rule holds.
    static std::optional<QString> CheckRubroPercentage(const TPresupuestoItems& regular,
                                                       const QString& rubro, int limite);

    // The stored duration in years ("duracion", default "1"); 1 when it is not an integer.
    static int Duracion(TXMLProject& document);
    // The code of the main thematic area, empty when none was chosen.
    static QString AreaCode(TXMLProject& document);
};
