// The command "Verificar" through the main window: the store, the findings on the page
// "Verificar" in red or the two green lines, the flag in the file (written again only when it
// changes), the send page, and a store that fails.
#include "ui_support/UInstalacionMuestra.h"
#include "ui_support/UPruebaEnvio.h"

#include "document/UXMLProject.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace {

using TClase = TDialogoMostrado::TClase;

const QString kProyecto = QStringLiteral("proyecto.xml");
const QString kProperties = QStringLiteral("project/document/properties/");
const QString kIsDraft = QStringLiteral("project/document/isDraft/");
const QString kVerificado = QStringLiteral("El proyecto ha sido verificado exitosamente!");
const QString kImprimir = QStringLiteral("Ahora puede imprimir la carátula y enviar el proyecto.");
const QColor kVerde(0, 128, 0);
const QColor kRojo(255, 0, 0);

class VerificarTest : public TPruebaEnvio {
  protected:
    void SetUp() override {
        TPruebaEnvio::SetUp();
        ASSERT_TRUE(CopySampleInstallation(PathOf(QString())));
    }

    // A complete project with the names the sample installation and the pick lists know.
    void WritePassingProject(bool verified = false) {
        WritePassingProjectInto(PathOf(QString()), verified);
    }

    void Verify() { ClickToolButton("VerificarToolButton"); }

    bool VerifyPageShown() {
        return Find<QTabWidget>("MainPageControl")->currentWidget() ==
               Find<QWidget>("verificarTab");
    }
    // The lines of the result box.
    QStringList BoxLines() {
        QStringList lines;
        const QTextDocument* document = Find<QTextEdit>("verificarRichEdit")->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            lines.append(block.text());
        return lines;
    }
    // The colour of every character of the box, when they all have the same one.
    QColor BoxColour() {
        const QTextDocument* document = Find<QTextEdit>("verificarRichEdit")->document();
        QColor colour;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QColor here = it.fragment().charFormat().foreground().color();
                if (colour.isValid() && here != colour)
                    return QColor();
                colour = here;
            }
        }
        return colour;
    }
    bool SendEnabled() {
        return Find<QGroupBox>("exportarGroupBox")->isEnabled() &&
               Find<QLabel>("exportarErrorLabel")->isHidden();
    }
    QString Flag(const QString& file) const {
        TXMLProject project(PathOf(file));
        return project.GetAttribute(kIsDraft, "value", "<none>");
    }
};

// The findings are shown read-only under their caption, with a vertical scroll bar.
TEST_F(VerificarTest, TheResultBoxIsReadOnlyUnderItsCaption) {
    Open();
    auto* box = Find<QTextEdit>("verificarRichEdit");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    auto* frame = qobject_cast<QGroupBox*>(box->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), "Resultados de la verificación");
    EXPECT_TRUE(Find<QWidget>("verificarTab")->isAncestorOf(box));
}

// A project that passes: only the two green lines, the flag "1" written over the stored "0",
// the package can be made. A second run stores and writes the file again.
TEST_F(VerificarTest, APassingProjectShowsTheTwoGreenLines) {
    WritePassingProject();
    Open();
    ASSERT_EQ(Dialogs().Shown().size(), 0u);
    EXPECT_FALSE(SendEnabled());

    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        const QByteArray before = ReadFile(kProyecto);
        // The toolbar button, then the menu item.
        if (run == 0)
            Verify();
        else
            TriggerMenuItem("VerificarMenuItem");
        EXPECT_EQ(Dialogs().Shown().size(), 0u);
        EXPECT_TRUE(VerifyPageShown());
        EXPECT_EQ(BoxLines(), (QStringList{kVerificado, kImprimir}));
        EXPECT_EQ(BoxColour(), kVerde);
        EXPECT_TRUE(Form().IsVerified());
        EXPECT_TRUE(SendEnabled());
        // The store wrote "0" (its copy is the ".bak" now), the verification "1".
        EXPECT_EQ(Flag(kProyecto), "1");
        EXPECT_EQ(Flag(kProyecto + ".bak"), "0");
        EXPECT_NE(ReadFile(kProyecto + ".bak"), before);
    }
    const QTextCursor caret = Find<QTextEdit>("verificarRichEdit")->textCursor();
    EXPECT_EQ(caret.position(), 0);
    EXPECT_FALSE(caret.hasSelection());
}

// A project that fails: its messages in the rules' order, one line each (the empty years are
// one message of two lines), all red; sending stays disabled and the flag "0" is left as the
// store wrote it, without writing the file a second time.
TEST_F(VerificarTest, AFailingProjectShowsItsMessagesInRed) {
    for (const bool storedVerified : {false, true}) {
        SCOPED_TRACE(storedVerified);
        WritePassingProject(storedVerified);
        {
            TXMLProject project(PathOf(kProyecto));
            project.SetCData(kProperties + "duracion/", "3");
            // Only the lines of year 1 are left.
            TXMLNode presupuesto = project.GetNode(kProperties + "presupuesto/");
            for (const TXMLNode& row : presupuesto.Children()) {
                if (row.Attribute("year") != "1")
                    presupuesto.RemoveChild(row);
            }
            project.SetCData(kProperties + "title/", "");
            project.Save(true);
        }
        QFile::remove(PathOf("desctec/desc.pdf"));
        Open();
        NewDialogs();
        // The window loads a verified project as verified.
        EXPECT_EQ(SendEnabled(), storedVerified);

        const QByteArray before = ReadFile(kProyecto);
        Verify();
        EXPECT_EQ(Dialogs().Shown().size(), 0u);
        EXPECT_TRUE(VerifyPageShown());
        EXPECT_EQ(BoxLines(),
                  (QStringList{"La tabla de presupuesto para el año 2 se encuentra vacía",
                               "La tabla de presupuesto para el año 3 se encuentra vacía",
                               "No ha cargado una descripción técnica.",
                               "El título del proyecto está vacío."}));
        EXPECT_EQ(BoxColour(), kRojo);
        EXPECT_FALSE(Form().IsVerified());
        EXPECT_FALSE(SendEnabled());
        EXPECT_EQ(Flag(kProyecto), "0");
        // Written once, by the store: its copy is the file as it was before the command.
        EXPECT_EQ(ReadFile(kProyecto + ".bak"), before);
        EXPECT_NE(ReadFile(kProyecto), before);
    }
}

// A project the store cannot read is reported with the error's own text and nothing else
// happens: no page "Verificar", the project stays unverified, the file is not touched.
TEST_F(VerificarTest, AStoreThatFailsIsReportedWithItsOwnText) {
    WriteFile(kProyecto, "<?xml version=\"1.0\"?>\r\n<import><soft version=\"2\">");
    Open();
    const QStringList startError = Dialogs().Texts(TClase::Error);
    ASSERT_EQ(startError.size(), 1);
    NewDialogs();

    // The load was incomplete: the store asks first, and even when the user agrees it fails.
    Dialogs().Answer(TBotonDialogo::Si);
    Verify();
    EXPECT_EQ(Dialogs().Texts(TClase::Error), startError);
    EXPECT_EQ(Dialogs().Shown().size(), 2u);
    EXPECT_FALSE(VerifyPageShown());
    EXPECT_FALSE(Form().IsVerified());
    EXPECT_EQ(ReadFile(kProyecto), "<?xml version=\"1.0\"?>\r\n<import><soft version=\"2\">");
    EXPECT_FALSE(Exists(kProyecto + ".bak"));
}

} // namespace
