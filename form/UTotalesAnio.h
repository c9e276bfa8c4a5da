#pragma once

#include "form/URenglonPresupuesto.h"

#include <QString>

// The totals of one project year, as amount texts in the regional form: the administration
// expense and the general total, each for the subsidy, the counterpart and both.
struct TTotalesAnio {
    QString subGasto;
    QString conGasto;
    QString totGasto;
    QString subTotal;
    QString conTotal;
    QString totTotal;
};

// The totals of the year's lines. Every running total is an amount text rounded to cents
// before the next line is added; the lines' own totals are not used, each column is added on
// its own. The administration expense is 4 % of the lines' subsidy; the counterpart has none.
TTotalesAnio TotalesDeAnio(const TRenglones& renglones);
