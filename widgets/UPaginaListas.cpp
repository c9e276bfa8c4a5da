#include "widgets/UPaginaListas.h"

#include "document/UEnteros.h"
#include "form/UListasCodigo.h"

#include <QComboBox>

#include <algorithm>

void FillPickList(QComboBox* pickList, const QStringList& names) {
    pickList->setEditable(false);
    pickList->clear();
    pickList->addItems(names);
    pickList->setCurrentIndex(-1);
}

void SelectItemByText(QComboBox* pickList, const QString& text) {
    QStringList items;
    items.reserve(pickList->count());
    for (int i = 0; i < pickList->count(); ++i)
        items.append(pickList->itemText(i));
    pickList->setCurrentIndex(IndexOfItemText(items, text));
}

void FillNumberItems(QComboBox* pickList, const QString& count) {
    QStringList numbers;
    int last = 0;
    const bool isNumber = TextToInt(count, last);
    // The count comes from a call descriptor; no project has more years than the budget.
    last = std::min(last, kMaxDurationYears);
    for (int i = 1; isNumber && i <= last; ++i)
        numbers.append(QString::number(i));
    FillPickList(pickList, numbers);
}
