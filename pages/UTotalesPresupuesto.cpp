#include "pages/UTotalesPresupuesto.h"

#include "form/UTotalesAnio.h"
#include "pages/UGrillaPresupuesto.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace {

const QString kCero = QStringLiteral("0");

} // namespace

TTotalesPresupuesto::TTotalesPresupuesto(const QString& prefix, QWidget* parent) : QWidget(parent) {
    const char* const names[] = {"SubGastoEdit", "ConGastoEdit", "TotGastoEdit",
                                 "SubTotalEdit", "ConTotalEdit", "TotTotalEdit"};
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Subsidio")), 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Contraparte")), 0, 2);
    layout->addWidget(new QLabel(QStringLiteral("Total")), 0, 3);
    // The long caption wraps rather than hold the page wider than the window leaves it.
    for (const auto& [row, caption] :
         {std::pair{1, QStringLiteral("GASTOS DE ADMINISTRACIÓN DEL SUBSIDIO")},
          std::pair{2, QStringLiteral("TOTAL GENERAL")}}) {
        auto* label = new QLabel(caption);
        label->setWordWrap(true);
        layout->addWidget(label, row, 0);
    }
    for (int kind = kSubGasto; kind <= kTotTotal; ++kind) {
        auto* field = new QLineEdit(kCero);
        field->setObjectName(prefix + QLatin1String(names[kind]));
        field->setEnabled(false);
        field->setAccessibleName((kind / 3 == 0
                                      ? QStringLiteral("Gastos de administración del subsidio: ")
                                      : QStringLiteral("Total general: ")) +
                                 QStringList{QStringLiteral("Subsidio"),
                                             QStringLiteral("Contraparte"), QStringLiteral("Total")}
                                     .at(kind % 3));
        fields_[kind] = field;
        layout->addWidget(field, 1 + kind / 3, 1 + kind % 3);
    }
    layout->setColumnStretch(0, 2);
    for (int column = 1; column <= 3; ++column)
        layout->setColumnStretch(column, 1);
}

QString TTotalesPresupuesto::Text(TTipoTotal kind) const {
    return fields_[kind]->text();
}

void TTotalesPresupuesto::SetText(TTipoTotal kind, const QString& text) {
    fields_[kind]->setText(text);
}

void TTotalesPresupuesto::Recalc(const TGrillaPresupuesto& grid) {
    const TTotalesAnio totales = TotalesDeAnio(grid.Renglones());
    SetText(kSubGasto, totales.subGasto);
    SetText(kConGasto, totales.conGasto);
    SetText(kTotGasto, totales.totGasto);
    SetText(kSubTotal, totales.subTotal);
    SetText(kConTotal, totales.conTotal);
    SetText(kTotTotal, totales.totTotal);
}
