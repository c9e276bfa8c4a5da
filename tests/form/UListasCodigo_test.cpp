#include "form/UListasCodigo.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

#include <iterator>

namespace {

struct NamedList {
    const char* label;
    const TListaCodigos& (*list)();
};

const NamedList kLists[] = {
    {"areas tematicas", &ListaAreasTematicas},
    {"provincias", &ListaProvincias},
    {"tipos de institucion", &ListaTiposInstitucion},
    {"tipos de gestion", &ListaTiposGestion},
    {"regiones", &ListaRegiones},
    {"areas prioritarias", &ListaAreasPrioritarias},
    {"paises", &ListaPaises},
};

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Sort key for "alphabetical, accents ignored": accents stripped, letter case folded.
QString PlainKey(const QString& name) {
    QString key;
    for (const QChar c : name.normalized(QString::NormalizationForm_D))
        if (!c.isMark())
            key += c;
    return key.toCaseFolded();
}

} // namespace

TEST(ListasCodigo, CountsAndUniqueness) {
    const int expected[] = {17, 25, 7, 3, 3, 6, 240};
    static_assert(std::size(expected) == std::size(kLists));
    for (std::size_t i = 0; i < std::size(kLists); ++i) {
        const TListaCodigos& list = kLists[i].list();
        SCOPED_TRACE(kLists[i].label);
        EXPECT_EQ(list.Count(), expected[i]);
        EXPECT_EQ(list.Names().size(), expected[i]);
        EXPECT_EQ(list.Codes().size(), expected[i]);
        // Names are compared without letter case when looked up, so they must differ in more.
        QSet<QString> names;
        QSet<QString> codes;
        for (int row = 0; row < list.Count(); ++row) {
            EXPECT_FALSE(list.Names().at(row).isEmpty()) << row;
            EXPECT_FALSE(list.Codes().at(row).isEmpty()) << row;
            EXPECT_EQ(list.Names().at(row), list.Names().at(row).trimmed()) << row;
            names.insert(list.Names().at(row).toCaseFolded());
            codes.insert(list.Codes().at(row));
        }
        EXPECT_EQ(names.size(), list.Count());
        EXPECT_EQ(codes.size(), list.Count());
    }
}

TEST(ListasCodigo, ExactRows) {
    struct Row {
        const TListaCodigos& (*list)();
        int position; // 1-based, as the pick list shows it
        const char* name;
        const char* code;
    };
    const Row rows[] = {
        {&ListaAreasTematicas, 1, "Ciencias Biológicas de Células y Moléculas", "01"},
        {&ListaAreasTematicas, 7, "Ciencias de la Tierra e Hidro-atmosféricas", "07"},
        {&ListaAreasTematicas, 10, "Tecnología Energética Minera Mecánica y de Materiales", "10"},
        {&ListaAreasTematicas, 17, "Ciencias Clínicas y Salud Pública", "17"},
        {&ListaProvincias, 1, "No Aplica", "NA"},
        {&ListaProvincias, 7, "Córdoba", "CORDOBA"},
        {&ListaProvincias, 9, "Entre Ríos", "ENTRERIOS"},
        {&ListaProvincias, 22, "Santa Fé", "SANTAFE"},
        {&ListaProvincias, 23, "Santiago del Estero", "SANTIAGO"},
        {&ListaProvincias, 24, "Tierra del Fuego", "TIERRAF"},
        {&ListaProvincias, 25, "Tucumán", "TUCUMAN"},
        {&ListaTiposInstitucion, 1, "Organismo de C&T", "TORG1"},
        {&ListaTiposInstitucion, 3, "Organismo Gubernamental", "TORG3"},
        {&ListaTiposInstitucion, 4, "Entidad sin fines de lucro", "TORG5"},
        {&ListaTiposInstitucion, 7, "Otro tipo de organizaciones", "TORG8"},
        {&ListaTiposGestion, 1, "Pública", "TGES1"},
        {&ListaTiposGestion, 2, "Privada", "TGES2"},
        {&ListaTiposGestion, 3, "Mixta", "TGES3"},
        {&ListaRegiones, 1, "Municipal", "MUNICIPAL"},
        {&ListaRegiones, 3, "Provincial", "PROVINCIAL"},
        {&ListaAreasPrioritarias, 1, "Bonaerense", "BONAERENSE"},
        {&ListaAreasPrioritarias, 4, "Cuyo", "CUYO"},
        {&ListaAreasPrioritarias, 5, "Noroeste Argentino", "NOA"},
        {&ListaAreasPrioritarias, 6, "Noreste Argentino", "NEA"},
        {&ListaPaises, 1, "Afganistán", ".AF"},
        {&ListaPaises, 3, "Alemania", ".DE"},
        {&ListaPaises, 8, "Antigua Unión Soviética", ".SU"},
        {&ListaPaises, 13, "Argentina", "AR"},
        {&ListaPaises, 23, "Bélgica", ".BE"},
        {&ListaPaises, 57, "Emiratos Árabes Unidos", ".AE"},
        {&ListaPaises, 61, "España", ".ES"},
        {&ListaPaises, 63, "Estados Unidos", "USA"},
        {&ListaPaises, 95, "Isla Ascensión", ".AC"},
        {&ListaPaises, 105, "Islas Georgias del Sur y Sandwich del Sur", ".GS"},
        {&ListaPaises, 107, "Islas Malvinas", ".FK"},
        {&ListaPaises, 178, "Reino Unido", ".UK"},
        {&ListaPaises, 213, "Taiwán (República de China)", ".TW"},
        {&ListaPaises, 216, "Territorio Británico en el Océano Índico", ".IO"},
        {&ListaPaises, 229, "Unión Europea", ".EU"},
        {&ListaPaises, 238, "Yugoslavia", ".YU"},
        {&ListaPaises, 240, "Zimbabwe", ".ZW"},
    };
    for (const Row& row : rows) {
        const TListaCodigos& list = row.list();
        ASSERT_LE(row.position, list.Count()) << row.name;
        EXPECT_EQ(list.Names().at(row.position - 1), U(row.name)) << row.position;
        EXPECT_EQ(list.Codes().at(row.position - 1), U(row.code)) << row.name;
    }
}

TEST(ListasCodigo, CodeShapes) {
    const TListaCodigos& areas = ListaAreasTematicas();
    for (int i = 0; i < areas.Count(); ++i)
        EXPECT_EQ(areas.Codes().at(i), QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0')));

    for (const QString& code : ListaTiposInstitucion().Codes())
        EXPECT_FALSE(code.contains(QLatin1Char('4'))) << code.toStdString();

    // Every country code is "." and two capitals, except the two historic ones.
    const QRegularExpression dotted(QStringLiteral("^\\.[A-Z]{2}$"));
    const TListaCodigos& paises = ListaPaises();
    QStringList undotted;
    for (int i = 0; i < paises.Count(); ++i)
        if (!dotted.match(paises.Codes().at(i)).hasMatch())
            undotted << paises.Names().at(i) + QLatin1Char('=') + paises.Codes().at(i);
    EXPECT_EQ(undotted,
              QStringList({QStringLiteral("Argentina=AR"), QStringLiteral("Estados Unidos=USA")}));
}

TEST(ListasCodigo, CountriesAreAlphabeticalIgnoringAccents) {
    const QStringList& names = ListaPaises().Names();
    for (qsizetype i = 1; i < names.size(); ++i)
        EXPECT_LT(PlainKey(names.at(i - 1)), PlainKey(names.at(i)))
            << names.at(i - 1).toStdString() << " / " << names.at(i).toStdString();
    const qsizetype belgica = names.indexOf(U("Bélgica"));
    ASSERT_GT(belgica, 0);
    EXPECT_EQ(names.at(belgica - 1), QStringLiteral("Barbados"));
    EXPECT_EQ(names.at(belgica + 1), QStringLiteral("Belice"));
}

TEST(ListasCodigo, BudgetCategories) {
    const QStringList expected = {
        U("Insumos"),
        U("Bibliografía"),
        U("Publicaciones de resultado del proyecto"),
        U("Gastos de servicios técnicos especializados"),
        U("Viajes y viáticos"),
        U("Equipamiento"),
        U("Beca Doctoral"),
        U("Beca PostDoctoral"),
        U("Personal (Salarios)"),
    };
    EXPECT_EQ(RubrosPresupuesto(), expected);
}

TEST(ListasCodigo, CodeForName) {
    struct Case {
        const TListaCodigos& (*list)();
        const char* name;
        const char* code;
    };
    const Case cases[] = {
        {&ListaProvincias, "Córdoba", "CORDOBA"},
        {&ListaProvincias, "córdoba", "CORDOBA"},
        {&ListaProvincias, "CÓRDOBA", "CORDOBA"},
        {&ListaProvincias, "ENTRE RÍOS", "ENTRERIOS"},
        {&ListaProvincias, "No Aplica", "NA"},
        {&ListaProvincias, "Tucumán", "TUCUMAN"},
        // Accents are part of the name; only letter case is ignored.
        {&ListaProvincias, "Cordoba", ""},
        {&ListaProvincias, "Santa Fe", ""},
        // Whole names only: no trimming, no prefixes.
        {&ListaProvincias, " Córdoba", ""},
        {&ListaProvincias, "Córdoba ", ""},
        {&ListaProvincias, "Córd", ""},
        {&ListaProvincias, "", ""},
        {&ListaProvincias, "CORDOBA", ""},
        {&ListaTiposInstitucion, "Entidad sin fines de lucro", "TORG5"},
        {&ListaTiposInstitucion, "Organismo de C&T", "TORG1"},
        {&ListaTiposInstitucion, "organismo de c&t", "TORG1"},
        {&ListaTiposGestion, "Privada", "TGES2"},
        {&ListaTiposGestion, "PÚBLICA", "TGES1"},
        {&ListaRegiones, "nacional", "NACIONAL"},
        {&ListaAreasPrioritarias, "Noreste Argentino", "NEA"},
        {&ListaAreasTematicas, "Ciencias Sociales", "04"},
        {&ListaPaises, "Argentina", "AR"},
        {&ListaPaises, "estados unidos", "USA"},
        {&ListaPaises, "Estados Federados de Micronesia", ".FM"},
        {&ListaPaises, "Bélgica", ".BE"},
        {&ListaPaises, "Zimbabwe", ".ZW"},
        {&ListaPaises, "Afganistán", ".AF"},
        // A name of another list is not found.
        {&ListaPaises, "Córdoba", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.list().CodeForName(U(c.name)), U(c.code)) << c.name;
}

TEST(ListasCodigo, IndexOfItemText) {
    const QStringList items = {U("Río Negro"), U("Salta"), QString(), U("salta"), U("Ñandú")};
    struct Case {
        const char* text;
        int index;
    };
    const Case cases[] = {
        {"Río Negro", 0},  {"RÍO NEGRO", 0},    {"río negro", 0},
        {"Rio Negro", -1}, {"Río", -1},         {"Río Negro ", -1},
        {"SALTA", 1}, // first of two equal ones
        {"", -1},          {"ñandú", 4},        {"ÑANDÚ", 4},
        {"Nandu", -1},     {"Desconocido", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IndexOfItemText(items, U(c.text)), c.index) << c.text;
    EXPECT_EQ(IndexOfItemText({}, QStringLiteral("Salta")), -1);
    // The pick lists are filled from the names, so a stored name finds its row.
    const TListaCodigos& paises = ListaPaises();
    for (int i = 0; i < paises.Count(); ++i)
        EXPECT_EQ(IndexOfItemText(paises.Names(), paises.Names().at(i).toUpper()), i);
}

TEST(ListasCodigo, ListsOfUnequalLengthAreCut) {
    const TListaCodigos list({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")},
                             {QStringLiteral("1"), QStringLiteral("2")});
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Names(), QStringList({QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(list.CodeForName(QStringLiteral("C")), QString());
    EXPECT_EQ(list.CodeForName(QStringLiteral("b")), QStringLiteral("2"));
}
