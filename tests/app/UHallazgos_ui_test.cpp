// Findings of "Verificar" that lead to their field: every finding of an empty project, under a
// call of each family, opens its section with the focus on its field; a budget finding about
// one year shows that year; the success lines lead nowhere.
#include "ui_support/UInstalacionMuestra.h"
#include "ui_support/UPruebaEnvio.h"

#include "config/UConfiguracion.h"
#include "document/UXMLProject.h"
#include "pages/UPaginaVerificar.h"
#include "rules/URestricciones.h"
#include "verificador/USeccionHallazgo.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

namespace {

class HallazgosTest : public TPruebaVentana {
  protected:
    void SetUp() override {
        TPruebaVentana::SetUp();
        ASSERT_TRUE(CopySampleInstallation(PathOf(QString())));
    }
    QTextEdit* Box() { return Find<QTextEdit>("verificarRichEdit"); }
    // The caret on the line, then Enter, as the user does from the keyboard.
    void EnterOnLine(int line) {
        QTextCursor cursor(Box()->document()->findBlockByNumber(line));
        Box()->setTextCursor(cursor);
        Box()->setFocus();
        QTest::keyClick(Box(), Qt::Key_Return);
    }
    void DoubleClickLine(int line) {
        QTextCursor cursor(Box()->document()->findBlockByNumber(line));
        Box()->setTextCursor(cursor);
        Box()->ensureCursorVisible();
        QTest::mouseDClick(Box()->viewport(), Qt::LeftButton, {},
                           Box()->cursorRect(cursor).center());
    }
    QWidget* MainPage() { return Find<QTabWidget>("MainPageControl")->currentWidget(); }
    void BackToVerify() { ClickToolButton("VerificarToolButton"); }
};

TEST_F(HallazgosTest, EveryFindingLeadsToItsField) {
    for (const char* call : {"ROVA-I-A-2026", "ROVA-II-A-2026"}) {
        SCOPED_TRACE(call);
        WriteFile("proyecto.xml",
                  "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<import><soft "
                  "version=\"2\"/><project><document><properties><convocatoria "
                  "doc-name=\"" +
                      QByteArray(call) +
                      "\"/></properties></document></project>"
                      "</import>\r\n");
        Open();
        QApplication::setActiveWindow(&Form());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
        BackToVerify();
        const int findings = Box()->document()->blockCount();
        ASSERT_GT(findings, 40);
        EXPECT_EQ(Find<QLabel>("verificarContadorLabel")->text(),
                  QString::number(findings) + " observaciones");
        for (int line = 0; line < findings; ++line) {
            const QString message = Box()->document()->findBlockByNumber(line).text();
            SCOPED_TRACE(message.toStdString());
            EnterOnLine(line);
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            if (MainPage() != Find<QWidget>("editarTab")) {
                // Only the technical description has a page of its own.
                EXPECT_EQ(MainPage(), Find<QWidget>("descripcionTecnicaTab"));
            } else {
                EXPECT_NE(focus, Box());
                EXPECT_TRUE(Find<QTabWidget>("PageControl")->currentWidget()->isAncestorOf(focus))
                    << focus->objectName().toStdString();
                EXPECT_TRUE(focus->isVisible()) << focus->objectName().toStdString();
            }
            BackToVerify();
        }
    }
}

// The agency's verifier names, for every finding, the section the window opens for it.
TEST_F(HallazgosTest, TheVerifierNamesTheSectionTheWindowOpens) {
    for (const char* call : {"ROVA-I-A-2026", "ROVA-II-A-2026"}) {
        SCOPED_TRACE(call);
        WriteFile("proyecto.xml",
                  "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<import><soft "
                  "version=\"2\"/><project><document><properties><convocatoria "
                  "doc-name=\"" +
                      QByteArray(call) +
                      "\"/></properties></document></project>"
                      "</import>\r\n");
        THallazgos hallazgos;
        {
            TXMLProject project(PathOf("proyecto.xml"));
            TConfiguracion configuracion;
            configuracion.Open();
            TRestricciones().CheckAll(project, hallazgos, configuracion);
            project.Discard();
        }
        ASSERT_GT(hallazgos.Count(), 40);
        Open();
        for (int i = 0; i < hallazgos.Count(); ++i) {
            const THallazgo& hallazgo = hallazgos.At(i);
            SCOPED_TRACE(hallazgo.mensaje.toStdString());
            emit Find<TPaginaVerificar>("verificarTab")->irA(hallazgo.destino);
            auto* paginas = Find<QTabWidget>("MainPageControl");
            const QString seccion = MainPage() == Find<QWidget>("editarTab")
                                        ? Find<QListWidget>("seccionList")->currentItem()->text()
                                        : paginas->tabText(paginas->currentIndex());
            EXPECT_EQ(TSeccionHallazgo::Nombre(hallazgo.destino), seccion.trimmed());
            BackToVerify();
        }
    }
}

TEST_F(HallazgosTest, ABudgetFindingOfOneYearShowsThatYear) {
    Open();
    BackToVerify();
    // The empty project: the first line is the empty budget, and a double click leads there.
    DoubleClickLine(0);
    EXPECT_EQ(Find<QTabWidget>("PageControl")->currentWidget(),
              Find<QWidget>("detalleDelPresupuestoDelProyectoTab"));
    EXPECT_EQ(Find<QListWidget>("seccionList")->currentRow(), 5);

    // A grant below its range in the second year leads to the second year's page.
    {
        TXMLProject project(PathOf("proyecto.xml"));
        project.SetCData("project/document/properties/duracion/", "2");
        TXMLNode presupuesto = project.GetNode("project/document/properties/presupuesto/");
        for (const char* year : {"1", "2"}) {
            TXMLNode row = presupuesto.AppendChild("row");
            row.SetAttribute("rubro", "Beca Doctoral");
            row.SetAttribute("descr", "Beca");
            row.SetAttribute("contraparte", "0");
            row.SetAttribute("subsidio", year == QLatin1String("1") ? "30000" : "10");
            row.SetAttribute("total", "0");
            row.SetAttribute("year", year);
        }
        project.Save(true);
        project.Release();
    }
    Open();
    ClickSection(1);
    BackToVerify();
    int line = 0;
    while (!Box()->document()->findBlockByNumber(line).text().contains("Beca Doctoral"))
        ASSERT_LT(++line, Box()->document()->blockCount());
    EnterOnLine(line);
    EXPECT_EQ(Find<QTabWidget>("presupuestoAnioPageControl")->currentIndex(), 1);
}

TEST_F(HallazgosTest, TheSuccessLinesLeadNowhere) {
    WritePassingProjectInto(PathOf(QString()));
    Open();
    BackToVerify();
    ASSERT_EQ(Box()->document()->blockCount(), 2);
    EXPECT_FALSE(Find<QLabel>("verificarContadorLabel")->isVisible());
    EnterOnLine(0);
    DoubleClickLine(1);
    EXPECT_EQ(MainPage(), Find<QWidget>("verificarTab"));
}

} // namespace
