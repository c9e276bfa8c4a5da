#include "pages/UGrillaPresupuesto.h"

#include <QHeaderView>

namespace {

constexpr int kColumnas = 5;
constexpr int kAlturaFila = 21;
constexpr int kAnchoColumna = 64;
constexpr int kAnchoRubro = 230;

} // namespace

TGrillaPresupuesto::TGrillaPresupuesto(const QString& name, QWidget* parent)
    : QTableWidget(1, kColumnas, parent) {
    setObjectName(name);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(kAlturaFila);
    verticalHeader()->setMinimumSectionSize(kAlturaFila);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultSectionSize(kAnchoColumna);
    horizontalHeader()->setStretchLastSection(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    SelectRow(0);
}

void TGrillaPresupuesto::SetupPresupuestoGrid() {
    setHorizontalHeaderLabels({QStringLiteral("Rubro"), QStringLiteral("Descripción"),
                               QStringLiteral("Subsidio"), QStringLiteral("Contraparte"),
                               QStringLiteral("Total")});
    setColumnWidth(kRubro, kAnchoRubro);
}

int TGrillaPresupuesto::AppendPresupuestoRow() {
    if (count_ >= 1) {
        setRowCount(rowCount() + 1);
        SelectRow(rowCount() - 1);
    }
    ++count_;
    return rowCount() - 1;
}

void TGrillaPresupuesto::DeleteCurrentRow() {
    if (rowCount() <= 1) {
        ClearRow(0);
        count_ = 0;
        return;
    }
    const int row = CurrentRow();
    removeRow(row);
    --count_;
    SelectRow(qMin(row, rowCount() - 1));
}

int TGrillaPresupuesto::CurrentRow() const {
    const int row = currentRow();
    return row < 0 ? 0 : row;
}

void TGrillaPresupuesto::SelectRow(int row) {
    setCurrentCell(row, kRubro);
}

QString TGrillaPresupuesto::Cell(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell == nullptr ? QString() : cell->text();
}

QStringList TGrillaPresupuesto::Row(int row) const {
    QStringList cells;
    for (int column = 0; column < kColumnas; ++column)
        cells.append(Cell(row, column));
    return cells;
}

void TGrillaPresupuesto::SetRow(int row, const QStringList& cells) {
    for (int column = 0; column < kColumnas; ++column)
        setItem(row, column, new QTableWidgetItem(cells.value(column)));
}

TRenglonPresupuesto TGrillaPresupuesto::Renglon(int row) const {
    return {Cell(row, kRubro), Cell(row, kDescripcion), Cell(row, kSubsidio),
            Cell(row, kContraparte), Cell(row, kTotal)};
}

void TGrillaPresupuesto::SetRenglon(int row, const TRenglonPresupuesto& renglon) {
    SetRow(row, {renglon.rubro, renglon.descripcion, renglon.subsidio, renglon.contraparte,
                 renglon.total});
}

TRenglones TGrillaPresupuesto::Renglones() const {
    TRenglones renglones;
    for (int row = 0; row < count_; ++row)
        renglones.push_back(Renglon(row));
    return renglones;
}

void TGrillaPresupuesto::ClearRow(int row) {
    for (int column = 0; column < kColumnas; ++column)
        delete takeItem(row, column);
}
