// Pick-list helpers: choosing by display name and the numbered pick list.
#include "widgets/UPaginaListas.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace {

QStringList Items(const QComboBox& pickList) {
    QStringList items;
    for (int i = 0; i < pickList.count(); ++i)
        items.append(pickList.itemText(i));
    return items;
}

TEST(PaginaListasTest, SelectItemByTextIgnoresCaseButNeedsTheWholeText) {
    const QStringList provinces{"No Aplica", "Córdoba", "Entre Ríos", "Santa Fé"};
    const struct {
        QString text;
        int index;
    } cases[] = {
        {"Córdoba", 1},   {"CÓRDOBA", 1},   {"entre ríos", 2}, {"Santa Fé", 3},
        {"Santa Fe", -1}, {"Córdoba ", -1}, {"Córd", -1},      {"", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        QComboBox pickList;
        FillPickList(&pickList, provinces);
        pickList.setCurrentIndex(2); // a previous choice never survives a miss
        SelectItemByText(&pickList, c.text);
        EXPECT_EQ(pickList.currentIndex(), c.index);
        EXPECT_EQ(pickList.currentText(), c.index < 0 ? QString() : provinces.at(c.index));
    }
}

TEST(PaginaListasTest, FillPickListKeepsOrderAndLeavesNoChoice) {
    QComboBox pickList;
    pickList.setEditable(true);
    pickList.addItem("viejo");
    FillPickList(&pickList, {"Zeta", "Alfa", "Organismo de C&T"});
    EXPECT_EQ(Items(pickList), (QStringList{"Zeta", "Alfa", "Organismo de C&T"}));
    EXPECT_EQ(pickList.currentIndex(), -1);
    EXPECT_FALSE(pickList.isEditable());
}

TEST(PaginaListasTest, FillNumberItemsCountsUpToTheNumber) {
    const struct {
        QString count;
        QStringList items;
    } cases[] = {
        {"3", {"1", "2", "3"}},
        {"1", {"1"}},
        {"0", {}},
        {"-2", {}},
        {"", {}},
        {"dos", {}},
        {"2.5", {}},
        // A call descriptor cannot offer more years than a project's budget has.
        {"2000000000", {"1", "2", "3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count.toStdString());
        QComboBox pickList;
        pickList.addItems({"9", "8"});
        pickList.setCurrentIndex(0);
        FillNumberItems(&pickList, c.count);
        EXPECT_EQ(Items(pickList), c.items);
        EXPECT_EQ(pickList.currentIndex(), -1);
    }
}

} // namespace
