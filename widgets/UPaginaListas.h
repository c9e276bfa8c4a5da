#pragma once

#include <QStringList>

class QComboBox;

// Pick-list helpers shared by the pages. Pick lists are never sorted and never take free
// text: they offer exactly the items put into them, in that order.

// Replaces the items by the names, leaving no selection.
void FillPickList(QComboBox* pickList, const QStringList& names);

// Selects the item equal to text (whole text, letter case ignored); with no such item (the
// empty text included) the pick list is left with no selection and an empty text.
void SelectItemByText(QComboBox* pickList, const QString& text);

// Replaces the items by "1", "2", ... up to the whole number in count (none when count is
// below 1 or not a whole number), leaving no selection.
void FillNumberItems(QComboBox* pickList, const QString& count);
