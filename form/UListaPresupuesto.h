#pragma once

#include "form/UPresupuestoItem.h"
#include "form/URenglonPresupuesto.h"

#include <QString>

#include <array>
#include <vector>

class TPresupuestoItemValor;
class TXMLProject;

// The stored budget rows of a project document, as lists of TPresupuestoItem.
using TPresupuestoItems = std::vector<TPresupuestoItem>;

// Every child of "project/document/properties/presupuesto/" (created when missing), in
// document order, the computed rows included; a missing attribute reads as empty text.
TPresupuestoItems ReadPresupuestoItems(TXMLProject& document);

// The years a project's budget has lines for.
inline constexpr int kAniosPresupuesto = 3;
using TPresupuestoPorAnio = std::array<TRenglones, kAniosPresupuesto>;

// The lines the user entered for years 1 to 3, in stored order, amounts in the regional form
// whatever decimal separator they were stored with. The computed rows and rows of any other
// year are left out.
TPresupuestoPorAnio ReadRenglonesPresupuesto(TXMLProject& document);

// Replaces the stored budget: for each year included (1 to 3), its lines followed by its two
// computed rows, the administration expense and the annual total (TotalesDeAnio).
void WritePresupuesto(TXMLProject& document, const TPresupuestoPorAnio& anios,
                      const std::array<bool, kAniosPresupuesto>& incluidos);

// The rows entered by the user (TPresupuestoItem::IsRegular), order kept.
TPresupuestoItems RegularItems(const TPresupuestoItems& items);

// The rows of that year, and the rows of year "0", which belong to every year; order kept.
TPresupuestoItems ItemsOfYear(const TPresupuestoItems& items, const QString& year);

// The rows whose rubro equals the text exactly; order kept.
TPresupuestoItems ItemsOfRubro(const TPresupuestoItems& items, const QString& rubro);

// Sum of valor.GetValor over the list, in list order, starting from 0.
long double SumValor(const TPresupuestoItems& items, const TPresupuestoItemValor& valor);
