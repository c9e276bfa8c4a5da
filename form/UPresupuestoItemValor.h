#pragma once

class TPresupuestoItem;

// Picks one amount column of a budget row, so that one summing routine adds up either column.
// Stored amounts are read with StoredAmountValue: 0 when they do not parse, and whichever of
// "." and "," the file was written with.
class TPresupuestoItemValor {
  public:
    virtual ~TPresupuestoItemValor() = default;
    virtual long double GetValor(const TPresupuestoItem& item) const = 0;
};

// The subsidy requested from the agency.
class TPresupuestoItemSubsidio : public TPresupuestoItemValor {
  public:
    long double GetValor(const TPresupuestoItem& item) const override;
};

// The amount the institution contributes.
class TPresupuestoItemContraparte : public TPresupuestoItemValor {
  public:
    long double GetValor(const TPresupuestoItem& item) const override;
};
