// The free texts of the project: typed by the user, stored and loaded again line by line.
#include "ui_support/UPruebaVentana.h"
#include "ui_support/UTeclado.h"
#include "widgets/UNombresAccesibles.h"

#include "widgets/UGrupoAyuda.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

const QString kTextos = QStringLiteral("project/document/body/section-break/");

struct TCampo {
    int section;
    const char* control;
    QString path;
};

// Every free text, with the section that shows it.
const TCampo kCampos[] = {
    {2, "palabrasClaveEdit", "resumenDelProyecto/palabrasClave/"},
    {2, "resumenDelProyectoMemo", "resumenDelProyecto/resumenDelProyecto/"},
    {2, "projectTitleEdit", "resumenDelProyecto/projectTitle/"},
    {2, "keywordsEdit", "resumenDelProyecto/keywords/"},
    {2, "summaryMemo", "resumenDelProyecto/summary/"},
    {3, "subareaMemo", "impactoDelProyecto/impactoSubarea/"},
    {3, "impactoSectorMemo", "impactoDelProyecto/impactoSector/"},
    {3, "impactoInstitucionMemo", "impactoDelProyecto/impactoInstitucion/"},
    {3, "impactoCampoMemo", "impactoDelProyecto/impactoCampo/"},
    {4, "dcInvestigadoresMemo", "datosComplementarios/investigadores/"},
    {4, "dcSalvaguardiaMemo", "datosComplementarios/salvaguardia/"},
    {4, "dcObservacionesMemo", "datosComplementarios/observaciones/"},
    {6, "justificacionSubsidioMemo", "subsidioSolicitado/justificacionSubsidio/"},
    {6, "justificacionBecaMemo", "subsidioSolicitado/justificacionBeca/"},
    {7, "contraparteMemo", "contraparte/contraparte/"},
    {8, "otrosRecursosMemo", "otrosRecursos/otrosRecursos/"},
};

class TextosTest : public TPruebaVentana {
  protected:
    // Types the lines as the user does: Enter between them (Ctrl+Enter where Enter breaks no
    // line).
    void TypeLines(QWidget* control, const QStringList& lines) {
        const bool ctrl = control->objectName() == "otrosRecursosMemo";
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(control, Qt::Key_Return,
                                ctrl ? Qt::ControlModifier : Qt::NoModifier);
            TypeText(control, lines[i]);
        }
    }
    static QString TextOf(QWidget* control) {
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            return edit->text();
        return qobject_cast<QPlainTextEdit*>(control)->toPlainText();
    }
};

// Each field sits alone in its captioned box, on its page, with its help keyword (the impact
// boxes get theirs from the call).
TEST_F(TextosTest, EveryFieldSitsInItsBox) {
    const struct {
        const char* page;
        const char* control;
        QString caption;
        QString keyword;
    } cases[] = {
        {"datosGeneralesTab", "tituloEdit", "Título", "10101"},
        {"datosGeneralesTab", "duracionComboBox", "Duración", "10102"},
        {"datosGeneralesTab", "areaTematicaComboBox", "Área temática", "10103"},
        {"datosGeneralesTab", "provinciaComboBox", "Provincia", "10104"},
        {"datosGeneralesTab", "areaPrioritariaComboBox", "Prioridad Regional", "10105"},
        {"datosGeneralesTab", "areaTematicaSecundariaComboBox", "Área temática secundaria",
         "10103"},
        {"resumenDelProyectoTab", "palabrasClaveEdit", "Palabras Clave", "10201"},
        {"resumenDelProyectoTab", "resumenDelProyectoMemo", "Resumen del Proyecto", "10202"},
        {"resumenDelProyectoTab", "projectTitleEdit", "Project Title", "10203"},
        {"resumenDelProyectoTab", "keywordsEdit", "Keywords", "10204"},
        {"resumenDelProyectoTab", "summaryMemo", "Summary", "10205"},
        {"impactoDelProyectoTab", "subareaMemo", "#subarea", ""},
        {"impactoDelProyectoTab", "impactoSectorMemo", "#impactoSector", ""},
        {"impactoDelProyectoTab", "impactoInstitucionMemo", "#impactoInstitucion", ""},
        {"impactoDelProyectoTab", "impactoCampoMemo",
         "Impacto sobre las áreas disciplinares o campos de aplicación", ""},
        {"datosComplementariosTab", "dcInvestigadoresMemo",
         "Investigadores recusados como evaluadores", "10401"},
        {"datosComplementariosTab", "dcSalvaguardiaMemo", "Salvaguardia ética y ambiental",
         "10402"},
        {"datosComplementariosTab", "dcObservacionesMemo", "Otras observaciones", ""},
        {"subsidioSolicitadoTab", "justificacionSubsidioMemo",
         "Justificación del subsidio solicitado", ""},
        {"subsidioSolicitadoTab", "justificacionBecaMemo", "Justificación de la beca solicitada",
         ""},
        {"contraparteTab", "contraparteMemo",
         "Infraestructura y Equipamiento existente en la Unidad Ejecutora", ""},
        {"otrosRecursosTab", "otrosRecursosMemo",
         "Otros Recursos afectados para el desarrollo del Proyecto ", ""},
    };
    Open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        auto* control = Find<QWidget>(c.control);
        ASSERT_NE(control, nullptr);
        auto* box = qobject_cast<TGrupoAyuda*>(control->parentWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->title(), c.caption);
        EXPECT_EQ(box->HelpKeyword(), c.keyword);
        int fields = 0;
        for (const QWidget* child : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            fields += TNombresAccesibles::EsCampo(child) ? 1 : 0;
        EXPECT_EQ(fields, 1) << "one field a box";
        EXPECT_TRUE(Find<QWidget>(c.page)->isAncestorOf(box));
    }
}

// Accents, signs outside the file's character set, blank and empty lines all come back.
TEST_F(TextosTest, TextsKeepTheirLinesThroughSaveAndLoad) {
    Open();
    QApplication::setActiveWindow(&Form());
    QStringList expected;
    for (const TCampo& campo : kCampos) {
        SCOPED_TRACE(campo.control);
        ClickSection(campo.section);
        auto* control = Find<QWidget>(campo.control);
        ASSERT_NE(control, nullptr);
        control->setFocus();
        const bool memo = qobject_cast<QPlainTextEdit*>(control) != nullptr;
        const QStringList lines =
            memo ? QStringList{QString(campo.control) + ": acción, ñandú y «comillas»", "",
                               "  sangría € 100 & <b> ]]> fin  ", "última línea"}
                 : QStringList{QString(campo.control) + ": Üñíçødé € ]]>"};
        TypeLines(control, lines);
        EXPECT_EQ(TextOf(control), lines.join('\n'));
        expected.append(lines.join('\n'));
    }
    ClickToolButton("GuardarToolButton");

    for (size_t i = 0; i < std::size(kCampos); ++i) {
        SCOPED_TRACE(kCampos[i].control);
        EXPECT_EQ(StoredText(kTextos + kCampos[i].path), expected[qsizetype(i)]);
    }

    NewDialogs();
    Open();
    for (size_t i = 0; i < std::size(kCampos); ++i) {
        SCOPED_TRACE(kCampos[i].control);
        EXPECT_EQ(TextOf(Find<QWidget>(kCampos[i].control)), expected[qsizetype(i)]);
    }
}

// Lines another program stored with carriage returns are shown as lines.
TEST_F(TextosTest, StoredCarriageReturnsBecomeLineBreaks) {
    WriteFile("proyecto.xml",
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<import><soft version=\"2\"/>"
              "<project><document><body><section-break><contraparte>"
              "<contraparte>uno&#13;&#10;dos&#13;tres</contraparte>"
              "</contraparte></section-break></body></document></project></import>\r\n");
    Open();
    EXPECT_EQ(Find<QPlainTextEdit>("contraparteMemo")->toPlainText(), "uno\ndos\ntres");
}

// Enter breaks the line in every multi-line field but "Otros Recursos".
TEST_F(TextosTest, EnterBreaksNoLineInOtrosRecursos) {
    const struct {
        int section;
        const char* memo;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString text;
    } cases[] = {
        {2, "resumenDelProyectoMemo", Qt::Key_Return, Qt::NoModifier, "a\nb"},
        {4, "dcObservacionesMemo", Qt::Key_Enter, Qt::KeypadModifier, "a\nb"},
        {8, "otrosRecursosMemo", Qt::Key_Return, Qt::NoModifier, "ab"},
        {8, "otrosRecursosMemo", Qt::Key_Enter, Qt::KeypadModifier, "ab"},
        {8, "otrosRecursosMemo", Qt::Key_Return, Qt::ShiftModifier, "ab"},
        {8, "otrosRecursosMemo", Qt::Key_Return, Qt::ControlModifier, "a\nb"},
    };
    Open();
    QApplication::setActiveWindow(&Form());
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.memo) + " " + std::to_string(int(c.modifiers)));
        ClickSection(c.section);
        auto* memo = Find<QPlainTextEdit>(c.memo);
        memo->clear();
        memo->setFocus();
        TypeText(memo, "a");
        QTest::keyClick(memo, c.key, c.modifiers);
        TypeText(memo, "b");
        EXPECT_EQ(memo->toPlainText(), c.text);
    }
}

// The single-line texts have no length limit: a long stored text loads whole and is stored
// again whole.
TEST_F(TextosTest, LongSingleLineTextsAreKeptWhole) {
    const QString longText = QString(40000, QLatin1Char('k')) + QStringLiteral("fin");
    WriteFile("proyecto.xml",
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<import><soft version=\"2\"/>"
              "<project><document><body><section-break><resumenDelProyecto>"
              "<palabrasClave>" +
                  longText.toLatin1() +
                  "</palabrasClave>"
                  "<keywords>" +
                  longText.toLatin1() +
                  "</keywords>"
                  "</resumenDelProyecto></section-break></body></document></project></import>\r\n");
    Open();
    EXPECT_EQ(Find<QLineEdit>("palabrasClaveEdit")->text(), longText);
    EXPECT_EQ(Find<QLineEdit>("keywordsEdit")->text(), longText);
    Form().SaveProject();
    EXPECT_EQ(StoredText(kTextos + "resumenDelProyecto/palabrasClave/"), longText);
    EXPECT_EQ(StoredText(kTextos + "resumenDelProyecto/keywords/"), longText);
}

} // namespace
