#pragma once

#include <QWidget>

class QLineEdit;
class TGrillaPresupuesto;

// The six display-only totals below the lines of one project year: the administration
// expense and the general total, each for the subsidy, the counterpart and both.
class TTotalesPresupuesto : public QWidget {
    Q_OBJECT
  public:
    enum TTipoTotal { kSubGasto, kConGasto, kTotGasto, kSubTotal, kConTotal, kTotTotal };

    // The fields are named after the year's prefix ("anioUno"): anioUnoSubGastoEdit and so on.
    explicit TTotalesPresupuesto(const QString& prefix, QWidget* parent = nullptr);

    QLineEdit* Field(TTipoTotal kind) const { return fields_[kind]; }
    QString Text(TTipoTotal kind) const;

    // Recomputes the six fields from the lines of the table (TotalesDeAnio).
    void Recalc(const TGrillaPresupuesto& grid);

  private:
    void SetText(TTipoTotal kind, const QString& text);

    QLineEdit* fields_[6];
};
