#include "ui_support/UListaDesplegable.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

void PickItem(QComboBox* pickList, const QString& text) {
    ASSERT_NE(pickList, nullptr);
    const int index = pickList->findText(text, Qt::MatchExactly);
    ASSERT_GE(index, 0) << "no item " << text.toStdString();
    pickList->showPopup();
    QAbstractItemView* view = pickList->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QModelIndex item = view->model()->index(index, pickList->modelColumn());
    view->scrollTo(item);
    const QPoint point = view->visualRect(item).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
    // The popup closes on the click; the next dialog or event must not land in it.
    EXPECT_TRUE(QTest::qWaitFor([view] { return !view->window()->isVisible(); }));
}

QStringList Items(const QComboBox* pickList) {
    QStringList items;
    for (int i = 0; pickList != nullptr && i < pickList->count(); ++i)
        items.append(pickList->itemText(i));
    return items;
}
