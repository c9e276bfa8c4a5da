#pragma once

#include <QString>

#include <vector>

// A budget line as the user enters it on the budget page: the amounts are texts in the
// regional form.
struct TRenglonPresupuesto {
    QString rubro;
    QString descripcion;
    QString subsidio;
    QString contraparte;
    QString total;
};

// The lines of one project year, in the order entered.
using TRenglones = std::vector<TRenglonPresupuesto>;
