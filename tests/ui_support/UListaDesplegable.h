#pragma once

#include <QString>

class QComboBox;

// Chooses the item with that text as a user does: opens the pick list and clicks the item.
// Fails the test when there is no such item.
void PickItem(QComboBox* pickList, const QString& text);

// The items of the pick list, in order.
QStringList Items(const QComboBox* pickList);
