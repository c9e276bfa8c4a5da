#include "cover/UCaratula.h"

#include "cover/UCaratulaPresupuesto.h"
#include "cover/UHtmlCaratula.h"
#include "document/UErrores.h"
#include "document/UXMLProject.h"
#include "form/UGrupo.h"
#include "support/UArchivoEsperado.h"
#include "support/UProyectoPrueba.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <utility>

namespace {

const QString kProperties = QStringLiteral("project/document/properties/");

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void AddPersona(TXMLProject& document, const QString& grupo, const QString& cuil,
                const QString& rol, const QString& nombre, const QString& apellido) {
    TGrupo personas(document, grupo);
    personas.SelectParticipante(cuil);
    personas.SetField(QStringLiteral("rol"), rol);
    personas.SetField(QStringLiteral("nombre"), nombre);
    personas.SetField(QStringLiteral("apellido"), apellido);
}

void SetInstitucion(TXMLProject& document, const QString& element, const QString& razonSocial,
                    const QString& telefonos, const QString& email) {
    const QString p = element + QStringLiteral("/document/properties/");
    document.SetCData(p + QStringLiteral("denominacion/"), QStringLiteral("SIGLA"));
    document.SetCData(p + QStringLiteral("razonsocial/"), razonSocial);
    document.SetCData(p + QStringLiteral("domicilio/telefonos/"), telefonos);
    document.SetCData(p + QStringLiteral("domicilio/email/"), email);
}

void FillSampleProject(TXMLProject& d) {
    d.SetAttribute(QStringLiteral("soft/"), QStringLiteral("version"), QStringLiteral("2"));
    d.SetCData(kProperties + QStringLiteral("title/"),
               QString::fromUtf8("Agua & suelos \xE2\x80\x94 R\xC3\xADo Tercero"));
    d.SetCData(kProperties + QStringLiteral("convocatoria/tipoConvocatoria/text/"),
               QStringLiteral("Proyectos de Investigación"));
    d.SetText(kProperties + QStringLiteral("convocatoria/ano/"), QStringLiteral("2024"));
    d.SetCData(kProperties + QStringLiteral("convocatoria/categoria/text/"),
               QStringLiteral("Categoría A"));
    d.SetCData(kProperties + QStringLiteral("convocatoria/tipoProyecto/text/"),
               QStringLiteral("Investigación Aplicada"));
    d.SetCData(kProperties + QStringLiteral("areatematica/principal/text/"),
               QStringLiteral("Ciencias Agrarias"));
    d.SetCData(kProperties + QStringLiteral("areaaltaprioridad/text/"), QString());
    d.SetCData(kProperties + QStringLiteral("duracion/"), QStringLiteral("2"));
    d.SetCData(kProperties + QStringLiteral("ubicacion/pais/text/"), QStringLiteral("Argentina"));
    d.SetCData(kProperties + QStringLiteral("ubicacion/provincia/text/"),
               QStringLiteral("Córdoba"));
    d.SetCData(kProperties + QStringLiteral("idiomas/principal/text/"), QStringLiteral("Español"));
    d.SetText(kProperties + QStringLiteral("fechaAlta/"), QStringLiteral("05/03/2024"));

    AddBudgetRow(d, "1", "Insumos", "1000.5", "200", "1200.5");
    AddBudgetRow(d, "1", "Viajes y viáticos", "300", "0", "300");
    AddBudgetRow(d, "1", "GASTOS DE ADMINISTRACION DEL SUBSIDIO", "52.02", "0", "52.02");
    AddBudgetRow(d, "1", "TOTAL ANUAL", "1352.52", "200", "1552.52");
    AddBudgetRow(d, "2", "Equipamiento", "5000", "1000", "6000");
    AddBudgetRow(d, "2", "GASTOS DE ADMINISTRACION DEL SUBSIDIO", "200", "0", "200");
    AddBudgetRow(d, "2", "TOTAL ANUAL", "5200", "1000", "6200");
    AddBudgetRow(d, "3", "Insumos", "10", "0", "10"); // beyond the duration

    AddPersona(d, "gruporesponsable", "20111111112", "Investigador Integrante", "Luis", "Gómez");
    AddPersona(d, "gruporesponsable", "27222222223", "Investigador Responsable", "Ana María",
               "Pérez");
    AddPersona(d, "grupocolaborador", "20333333334", "Becario", "Juan", "Díaz");

    SetInstitucion(d, "beneficiaria", "Universidad Nacional de Velorn", "0351-4334000",
                   "info@unv.edu.ar");
    d.SetCData(QStringLiteral("beneficiaria/document/properties/contacto/nombre/"),
               QStringLiteral("Pérez, Ana"));
    d.SetCData(QStringLiteral("beneficiaria/document/properties/contacto/cargo/"),
               QStringLiteral("Rectora"));
    SetInstitucion(d, "dependencia", "Facultad de Ciencias Agropecuarias", "0351-4334100",
                   "fca@unv.edu.ar");
    SetInstitucion(d, "ejecutora", "Instituto de Suelos", "0351-4334200", "suelos@unv.edu.ar");
}

// Writes the project through the document layer, then generates the covers from the saved
// file, as the command does.
QByteArray Generate(const TCarpetaPrueba& carpeta, void (*fill)(TXMLProject&)) {
    {
        TXMLProject document(carpeta.ProyectoPath());
        fill(document);
        document.Save(true);
    }
    TXMLProject document(carpeta.ProyectoPath());
    TCaratula(document).WriteCoverPages(carpeta.PathOf("caratula.htm"));
    document.Discard();
    return ReadAll(carpeta.PathOf("caratula.htm"));
}

} // namespace

// The three covers of a project with every section filled, byte for byte: one line in
// Windows-1252, characters beyond it as references.
TEST(TCaratulaTest, WritesTheThreeCoversOfACompleteProjectByteForByte) {
    TCarpetaPrueba carpeta;
    ASSERT_TRUE(carpeta.IsValid());
    const QByteArray written = Generate(carpeta, FillSampleProject);
    ExpectSameAsGolden(written, "caratula_completa.htm");
    EXPECT_FALSE(written.contains('\n'));
    EXPECT_FALSE(written.contains('\r'));
}

TEST(CoverRowsOfYearTest, ComputedRowsComeLastAndOnlyTheLastOfEachName) {
    const QString admin = TPresupuestoItem::GetRubroGastosAdministracion();
    const QString total = TPresupuestoItem::GetRubroTotalAnual();
    const auto item = [](const char* year, const QString& rubro, const char* subsidio) {
        return TPresupuestoItem(year, rubro, subsidio, "0", subsidio);
    };
    struct Case {
        const char* name;
        TPresupuestoItems items;
        int year;
        std::vector<const char*> subsidios; // the printed rows, identified by their subsidio
    };
    const Case cases[] = {
        {"computed rows stored first",
         {item("1", total, "t"), item("1", admin, "a"), item("1", "Insumos", "i"),
          item("1", "Equipamiento", "e")},
         1,
         {"i", "e", "a", "t"}},
        {"a total without administration row",
         {item("1", total, "t"), item("1", "Insumos", "i")},
         1,
         {"i", "t"}},
        {"several rows of one computed name",
         {item("1", admin, "a1"), item("1", total, "t1"), item("1", "Insumos", "i"),
          item("1", admin, "a2"), item("1", total, "t2")},
         1,
         {"i", "a2", "t2"}},
        {"other years and year texts that only read as the year",
         {item("2", "Insumos", "dos"), item("01", "Insumos", "cero-uno"),
          item(" 1", "Insumos", "blanco"), item("0", "Insumos", "cero"),
          item("1", "Insumos", "uno"), item("2", total, "t2")},
         1,
         {"uno"}},
        {"names compared exactly",
         {item("2", "Total Anual", "minusculas"),
          item("2", "GASTOS DE ADMINISTRACIÓN DEL SUBSIDIO", "acento"), item("2", total, "t")},
         2,
         {"minusculas", "acento", "t"}},
        {"a year without rows", {item("1", "Insumos", "i")}, 3, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<QString> printed;
        for (const TPresupuestoItem& row : CoverRowsOfYear(c.items, c.year))
            printed.push_back(row.subsidio);
        std::vector<QString> expected(c.subsidios.begin(), c.subsidios.end());
        EXPECT_EQ(printed, expected);
    }
}

TEST(CoverYearsTest, DurationOrOneYear) {
    // A number outside the years a project has counts as no number: a duration of two
    // thousand million years once kept the generator busy for good.
    const std::pair<const char*, int> cases[] = {
        {"1", 1}, {"3", 3}, {"", 1},   {"dos", 1},        {"2.5", 1},
        {"0", 1}, {"4", 1}, {"-1", 1}, {"2000000000", 1}, {"99999999999", 1}};
    for (const auto& [text, years] : cases)
        EXPECT_EQ(CoverYears(text), years) << text;
}

TEST(HtmlEscapeTest, ValuesPrintAsTypedAndStayOnOneLine) {
    const std::pair<QString, QByteArray> cases[] = {
        {QStringLiteral("A<B & C"), "A&lt;B &amp; C"},
        {QStringLiteral("\"comillas\" y > mayor"), "&quot;comillas&quot; y &gt; mayor"},
        {QStringLiteral("&nbsp;"), "&amp;nbsp;"},
        {QStringLiteral("l\u00EDnea\r\nsegunda\tcol"), "l\xEDnea&#13;&#10;segunda&#9;col"},
        {QStringLiteral("O'Brien"), "O'Brien"},
    };
    for (const auto& [value, bytes] : cases)
        EXPECT_EQ(ToWindows1252(HtmlEscape(value)), bytes) << value.toStdString();
}

TEST(ToWindows1252Test, BytesOfTheCodePageAndReferencesForTheRest) {
    const std::pair<QString, QByteArray> cases[] = {
        {QStringLiteral("Carátula ñ Ü ÿ"), "Car\xE1tula \xF1 \xDC \xFF"},
        {QString::fromUtf8("\xE2\x82\xAC \xE2\x80\x9C"
                           "x"
                           "\xE2\x80\x9D \xE2\x80\x94 \xC5\x92"),
         "\x80 \x93x\x94 \x97 \x8C"},
        {QString::fromUtf8("\xCE\xA9 \xE4\xB8\xAD"), "&#937; &#20013;"},
        {QString::fromUtf8("\xF0\x9F\x98\x80"), "&#128512;"},
        {QString(QChar(0xD800)) + QLatin1Char('a'), "&#65533;a"},
        {QString(QChar(0x81)), "&#129;"},
    };
    for (const auto& [html, bytes] : cases)
        EXPECT_EQ(ToWindows1252(html), bytes) << html.toStdString();
}

namespace {
void FillOddProject(TXMLProject& d) {
    d.SetCData(kProperties + QStringLiteral("title/"), QString::fromUtf8("A<B & C \"x\" \xCE\xA9"));
    d.SetCData(kProperties + QStringLiteral("areaaltaprioridad/text/"), QStringLiteral("Agua"));
    d.SetCData(kProperties + QStringLiteral("duracion/"), QStringLiteral("dos"));
    AddBudgetRow(d, "1", "Insumos", "1", "0", "1");
    AddBudgetRow(d, "2", "Insumos", "2", "0", "2");
    AddPersona(d, "gruporesponsable", "20111111112", "Investigador Responsable",
               "Ana\r\nMar\xC3\xAD"
               "a",
               "P<e>rez");
}
} // namespace

TEST(TCaratulaTest, DocumentValuesAreEscapedAndADurationThatIsNoNumberPrintsYearOne) {
    TCarpetaPrueba carpeta;
    ASSERT_TRUE(carpeta.IsValid());
    const QByteArray written = Generate(carpeta, FillOddProject);

    EXPECT_EQ(written.count("<center><font size=\"4\"><b>A&lt;B &amp; C &quot;x&quot; "
                            "&#937;</b></font></center><br/>"),
              3);
    EXPECT_EQ(written.count("<b>Prioridad Regional</b></font></td><td><font "
                            "size=\"2\">Agua</font>"),
              3);
    EXPECT_EQ(written.count("Nombre y Apellido<br/>Ana&#13;&#10;Mar\xED"
                            "a P&lt;e&gt;rez"),
              4);
    EXPECT_TRUE(written.contains("<td><font size=\"2\">1</font></td><td><font "
                                 "size=\"2\">Insumos</font></td><td><font size=\"2\">1</font>"));
    EXPECT_FALSE(written.contains("<td><font size=\"2\">2</font></td><td><font "
                                  "size=\"2\">Insumos</font>"));
    EXPECT_FALSE(written.contains('\n'));
    EXPECT_FALSE(written.contains('\r'));
}

// Persons sharing a CUIL each get a row, showing the first of them, as the group lists do.
void FillSharedCuilProject(TXMLProject& d) {
    FillSampleProject(d);
    TXMLNode grupo = d.GetNode(QStringLiteral("grupocolaborador/"));
    const std::pair<const char*, const char*> extras[] = {
        {"20333333334", "Otro Juan"}, {"", "Sin Cuil"}, {"", "Otro Sin Cuil"}};
    for (const auto& [cuil, nombre] : extras) {
        TXMLNode persona = grupo.AppendChild(QStringLiteral("participante"));
        if (*cuil)
            persona.SetAttribute(QStringLiteral("cuil"), QString::fromLatin1(cuil));
        d.AppendText(persona.AppendChild(QStringLiteral("nombre")), QString::fromUtf8(nombre));
        d.AppendText(persona.AppendChild(QStringLiteral("rol")), QStringLiteral("Tesista"));
    }
}

TEST(TCaratulaTest, PersonsSharingACuilShowTheFirstOfThem) {
    TCarpetaPrueba carpeta;
    ASSERT_TRUE(carpeta.IsValid());
    const QByteArray written = Generate(carpeta, FillSharedCuilProject);
    const QByteArray juan = "<td><font size=\"2\">Juan D\xED"
                            "az</font></td><td><font "
                            "size=\"2\">Becario</font></td>";
    const QByteArray sinCuil = "<td><font size=\"2\">Sin Cuil </font></td><td><font "
                               "size=\"2\">Tesista</font></td>";
    // The group appears on the first and the third cover.
    EXPECT_EQ(written.count(juan), 4);
    EXPECT_EQ(written.count(sinCuil), 4);
    EXPECT_FALSE(written.contains("Otro"));
}

TEST(TCaratulaTest, TheFileIsReplacedWholeOrAFailureIsReported) {
    TCarpetaPrueba carpeta;
    ASSERT_TRUE(carpeta.IsValid());
    carpeta.WriteFile("caratula.htm", "anterior");
    carpeta.WriteFile("archivo", "no es una carpeta");
    {
        TXMLProject document(carpeta.ProyectoPath());
        FillSampleProject(document);
        document.Save(true);
    }
    TXMLProject document(carpeta.ProyectoPath());
    TCaratula caratula(document);
    const QByteArray pages = caratula.CoverPages();

    for (const char* target : {"no/existe/caratula.htm", "archivo/caratula.htm"}) {
        SCOPED_TRACE(target);
        EXPECT_THROW(caratula.WriteCoverPages(carpeta.PathOf(target)), EVelornError);
        EXPECT_FALSE(QFileInfo::exists(carpeta.PathOf(target)));
    }
    EXPECT_EQ(ReadAll(carpeta.PathOf("caratula.htm")), QByteArray("anterior"));

    caratula.WriteCoverPages(carpeta.PathOf("caratula.htm"));
    EXPECT_EQ(ReadAll(carpeta.PathOf("caratula.htm")), pages);
    document.Discard();
}

namespace {
void FillHugeDuration(TXMLProject& d) {
    d.SetCData(kProperties + QStringLiteral("duracion/"), QStringLiteral("2000000000"));
    AddBudgetRow(d, "1", "Insumos", "1", "0", "1");
    AddBudgetRow(d, "2000000000", "Viajes", "2", "0", "2");
}
} // namespace

TEST(TCaratulaTest, ADurationBeyondThreeYearsPrintsYearOneAndEnds) {
    TCarpetaPrueba carpeta;
    ASSERT_TRUE(carpeta.IsValid());
    const QByteArray written = Generate(carpeta, FillHugeDuration);
    EXPECT_TRUE(written.contains("<td><font size=\"2\">Insumos</font>"));
    EXPECT_FALSE(written.contains("Viajes"));
}
