#pragma once

#include "form/UListaPresupuesto.h"

#include <QString>

// The budget rows of one year as the cover pages print them: the rows whose year is exactly
// the year's decimal text, in list order, except the administration row and the annual-total
// row, which follow all others in that order. Of several rows named like one of these two,
// the last is printed and the others are left out.
TPresupuestoItems CoverRowsOfYear(const TPresupuestoItems& items, int year);

// The number of budget years printed: the duration read as a whole number, 1 when the text
// is not one or lies outside the years a project can have.
int CoverYears(const QString& duracion);
