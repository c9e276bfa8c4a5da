#pragma once

#include "form/URenglonPresupuesto.h"

#include <QStringList>
#include <QTableWidget>

// The budget lines of one project year: category, description, subsidy, counterpart and the
// line's total, one row a line. The table keeps its own count of lines; with none it still
// shows one empty row, which the first line takes.
class TGrillaPresupuesto : public QTableWidget {
    Q_OBJECT
  public:
    enum TColumna { kRubro = 0, kDescripcion = 1, kSubsidio = 2, kContraparte = 3, kTotal = 4 };

    explicit TGrillaPresupuesto(const QString& name, QWidget* parent = nullptr);

    // The header texts and the width of the category column.
    void SetupPresupuestoGrid();

    // Number of lines (the empty row of an empty table is not one).
    int Count() const { return count_; }
    // Room for one more line: the empty row for the first one, otherwise a new last row,
    // which becomes the current one. Returns the index of the last row.
    int AppendPresupuestoRow();
    // Removes the current line, the lines below it moving up; the only line is cleared
    // instead, leaving the empty row. An empty table only has its empty row cleared again.
    void DeleteCurrentRow();

    // The current row (from 0); the first when none is.
    int CurrentRow() const;
    void SelectRow(int row);
    QString Cell(int row, int column) const;
    // The five cells of the row, in column order.
    QStringList Row(int row) const;
    void SetRow(int row, const QStringList& cells);
    // The row as a budget line, and the other way round.
    TRenglonPresupuesto Renglon(int row) const;
    void SetRenglon(int row, const TRenglonPresupuesto& renglon);
    // Every line, in table order.
    TRenglones Renglones() const;

  private:
    void ClearRow(int row);

    int count_ = 0;
};
