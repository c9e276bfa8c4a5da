#include "pages/UGrillaGrupo.h"

#include <QHeaderView>

TGrillaGrupo::TGrillaGrupo(const QString& name, QWidget* parent) : QTableWidget(1, 4, parent) {
    setObjectName(name);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setToolTip(QStringLiteral("Haga doble click para editar los datos de esta persona"));
    SelectRow(0);
}

void TGrillaGrupo::SetupGrupoGrid() {
    setHorizontalHeaderLabels({QStringLiteral("Cuil"), QStringLiteral("Rol"),
                               QStringLiteral("Nombres"), QStringLiteral("Apellido")});
    setColumnWidth(kCuil, 80);
    setColumnWidth(kRol, 130);
    setColumnWidth(kNombre, 150);
    setColumnWidth(kApellido, 150);
}

void TGrillaGrupo::Empty() {
    setRowCount(1);
    for (int column = 0; column < columnCount(); ++column)
        delete takeItem(0, column);
    count_ = 0;
    SelectRow(0);
}

void TGrillaGrupo::AddPersona() {
    if (count_ != 0) {
        setRowCount(rowCount() + 1);
        SelectRow(rowCount() - 1);
    }
    ++count_;
}

void TGrillaGrupo::SetSelectedRow(const QString& cuil, const QString& rol, const QString& nombre,
                                  const QString& apellido) {
    const int row = SelectedRow();
    const QString texts[] = {cuil, rol, nombre, apellido};
    for (int column = 0; column < columnCount(); ++column)
        setItem(row, column, new QTableWidgetItem(texts[column]));
}

int TGrillaGrupo::SelectedRow() const {
    const int row = currentRow();
    return row < 0 ? 0 : row;
}

void TGrillaGrupo::SelectRow(int row) {
    setCurrentCell(row, kCuil);
}

QString TGrillaGrupo::Cell(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell == nullptr ? QString() : cell->text();
}

bool TGrillaGrupo::GridContains(const QString& text, int column) const {
    for (int row = 0; row < rowCount(); ++row) {
        if (Cell(row, column) == text)
            return true;
    }
    return false;
}
