// The hidden page "#Textos": each code list as a pair of list boxes, names beside codes.
#include "pages/UPaginaTextos.h"

#include "form/UListasCodigo.h"

#include <QListWidget>

#include <gtest/gtest.h>

namespace {

QStringList Items(const TPaginaTextos& page, const char* name) {
    const auto* list = page.findChild<QListWidget*>(QString::fromLatin1(name));
    EXPECT_NE(list, nullptr) << name;
    QStringList items;
    for (int i = 0; list != nullptr && i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

TEST(PaginaTextosTest, EveryPairHoldsItsCodeList) {
    const struct {
        const char* names;
        const char* codes;
        const TListaCodigos& list;
        int rows;
    } cases[] = {
        {"areaTematicaTextListBox", "areaTematicaCodeListBox", ListaAreasTematicas(), 17},
        {"provinciasNamesTListBox", "provinciasCodesTListBox", ListaProvincias(), 25},
        {"TipoInstitucionNamesListBox", "TipoInstitucionCodesListBox", ListaTiposInstitucion(), 7},
        {"TipoGestionNamesListBox", "TipoGestionCodesListBox", ListaTiposGestion(), 3},
        {"RegionNamesListBox", "RegionCodesListBox", ListaRegiones(), 3},
        {"areaPrioritariaNamesListBox", "areaPrioritariaCodesListBox", ListaAreasPrioritarias(), 6},
        {"paisesNamesListBox", "paisesCodesListBox", ListaPaises(), 240},
    };
    const TPaginaTextos page;
    EXPECT_EQ(page.objectName(), "textosTab");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.names);
        EXPECT_EQ(Items(page, c.names), c.list.Names());
        EXPECT_EQ(Items(page, c.codes), c.list.Codes());
        EXPECT_EQ(Items(page, c.names).size(), c.rows);
    }
    EXPECT_EQ(Items(page, "ListBox1"), RubrosPresupuesto());
    EXPECT_EQ(Items(page, "ListBox1").size(), 9);
}

// Rows stay paired, in list order: nothing is sorted.
TEST(PaginaTextosTest, NamesAndCodesStayOnTheSameRow) {
    const TPaginaTextos page;
    const QStringList countries = Items(page, "paisesNamesListBox");
    const QStringList codes = Items(page, "paisesCodesListBox");
    ASSERT_EQ(countries.size(), codes.size());
    EXPECT_EQ(codes.at(countries.indexOf("Argentina")), "AR");
    EXPECT_EQ(codes.at(countries.indexOf("Estados Unidos")), "USA");
    EXPECT_EQ(countries.indexOf("Bélgica"), countries.indexOf("Barbados") + 1);
    const QStringList types = Items(page, "TipoInstitucionNamesListBox");
    EXPECT_EQ(
        Items(page, "TipoInstitucionCodesListBox").at(types.indexOf("Entidad sin fines de lucro")),
        "TORG5");
    EXPECT_EQ(Items(page, "provinciasNamesTListBox").first(), "No Aplica");
}

} // namespace
