#pragma once

#include <QString>

// One stored budget row ("row" under "project/document/properties/presupuesto/"), as the rules
// and the cover pages read it: the attributes of the same names, empty when missing. The
// description ("descr") is not held.
class TPresupuestoItem {
  public:
    TPresupuestoItem() = default;
    TPresupuestoItem(const QString& year, const QString& rubro, const QString& subsidio,
                     const QString& contraparte, const QString& total)
        : year(year), rubro(rubro), subsidio(subsidio), contraparte(contraparte), total(total) {}

    // Rubro of the computed administration row of a year (stored without accent).
    static QString GetRubroGastosAdministracion() {
        return QStringLiteral("GASTOS DE ADMINISTRACION DEL SUBSIDIO");
    }
    // Rubro of the computed annual-total row of a year.
    static QString GetRubroTotalAnual() { return QStringLiteral("TOTAL ANUAL"); }

    // A line entered by the user: neither of the two computed rows (exact comparison).
    bool IsRegular() const;

    QString year;
    QString rubro;
    QString subsidio;
    QString contraparte;
    QString total;
};
