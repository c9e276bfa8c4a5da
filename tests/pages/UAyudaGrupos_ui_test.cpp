// The help link as the focus moves through the form's group boxes, and the help window it
// opens.
#include "ui_support/UInstalacionMuestra.h"
#include "ui_support/UListaDesplegable.h"
#include "ui_support/UPruebaVentana.h"

#include "app/UAyuda.h"
#include "config/UTextosAyuda.h"
#include "document/UErrores.h"
#include "widgets/UEtiquetaClic.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

using TClase = TDialogoMostrado::TClase;

std::string State(const QString& caption, bool enabled) {
    return (enabled ? "on: " : "off: ") + caption.toStdString();
}

// The link naming a box.
std::string Link(const QString& caption) {
    return State(QStringLiteral("Ayuda con \"") + caption + QLatin1Char('"'), true);
}

const std::string kSinAyuda = State(QStringLiteral("Ayuda con ..."), false);

QByteArray Latin1(const QString& text) {
    return text.toLatin1();
}

// What the help window showed while it was open.
struct TVentanaAyuda {
    bool shown = false;
    QString title;
    QSize size;
    QString text;
    bool readOnly = false;
    std::string link; // the help link behind the window
};

class AyudaTest : public TPruebaVentana {
  protected:
    TForm1& OpenActive() {
        TForm1& form = Open();
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        return form;
    }
    TEtiquetaClic* HelpLink() { return Find<TEtiquetaClic>("AyudaLabel"); }
    // The link as the user reads it: whether it reacts, and its caption.
    std::string LinkState() { return State(HelpLink()->text(), HelpLink()->isEnabled()); }
    void Focus(const char* control) {
        QWidget* widget = Find<QWidget>(control);
        ASSERT_NE(widget, nullptr);
        widget->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([widget] { return widget->hasFocus(); })) << control;
    }
    void PressTab(Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
    }

    // Clicks the help link; a help window that comes up is read and closed with its button
    // "Listo", or with Esc.
    TVentanaAyuda ClickHelpLink(bool withEsc = false) {
        TVentanaAyuda seen;
        QTimer watcher;
        watcher.setInterval(5);
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            auto* window = qobject_cast<TForm2*>(QApplication::activeModalWidget());
            if (window == nullptr || !window->isVisible())
                return;
            watcher.stop();
            // The window manager makes the new window the active one.
            QApplication::setActiveWindow(window);
            seen.shown = true;
            seen.title = window->windowTitle();
            seen.size = window->size();
            seen.text = window->Memo1()->toPlainText();
            seen.readOnly = window->Memo1()->isReadOnly();
            seen.link = LinkState();
            if (withEsc)
                QTest::keyClick(window, Qt::Key_Escape);
            else
                QTest::mouseClick(window->findChild<QPushButton*>("ListoButton"), Qt::LeftButton);
        });
        watcher.start();
        ClickWidget(HelpLink());
        QApplication::processEvents();
        // Back in the main window, as the window manager does when the help window closes.
        QApplication::setActiveWindow(&Form());
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Form()));
        return seen;
    }
    void WriteAyuda(const QByteArray& entries) {
        WriteFile("ayuda.xml", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                               "<import><ayudas>" +
                                   entries + "</ayudas></import>\r\n");
    }
};

// Tabbing through the general data and back: every box names itself on the link, and leaving
// the boxes disables it.
TEST_F(AyudaTest, TabbingThroughTheGeneralDataNamesEachBox) {
    OpenActive();
    EXPECT_EQ(LinkState(), kSinAyuda);
    ClickSection(1);
    Focus("tituloEdit");
    const QStringList captions = {
        "Título",    "Duración",           "Área temática",
        "Provincia", "Prioridad Regional", "Área temática secundaria",
    };
    for (qsizetype i = 0; i < captions.size(); ++i) {
        SCOPED_TRACE(captions[i].toStdString());
        if (i > 0)
            PressTab();
        EXPECT_EQ(LinkState(), Link(captions[i]));
    }
    for (qsizetype i = captions.size() - 2; i >= 0; --i) {
        SCOPED_TRACE(captions[i].toStdString());
        PressTab(Qt::ShiftModifier);
        EXPECT_EQ(LinkState(), Link(captions[i]));
    }
    // Back out of the first box, to the section list.
    PressTab(Qt::ShiftModifier);
    EXPECT_EQ(LinkState(), kSinAyuda);
}

// On the text pages the link follows the focus too; a box without help keyword disables it,
// also right after a box that had one.
TEST_F(AyudaTest, LinkFollowsTheFocusOnTheTextPages) {
    const struct {
        int section;
        const char* first;
        std::vector<std::string> states; // the first control, then after each Tab
    } cases[] = {
        {4,
         "dcInvestigadoresMemo",
         {Link("Investigadores recusados como evaluadores"), Link("Salvaguardia ética y ambiental"),
          kSinAyuda}},
        {2, "keywordsEdit", {Link("Keywords"), Link("Summary")}},
        {6, "justificacionSubsidioMemo", {kSinAyuda, kSinAyuda}},
        {7, "contraparteMemo", {kSinAyuda}},
        {8, "otrosRecursosMemo", {kSinAyuda}},
    };
    OpenActive();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        ClickSection(c.section);
        Focus(c.first);
        for (size_t i = 0; i < c.states.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(LinkState(), c.states[i]);
            if (i + 1 < c.states.size())
                PressTab();
        }
    }
}

// The link opens the text of its box's keyword (the last entry of a repeated keyword); the
// click takes no focus, so the link still names the box afterwards.
TEST_F(AyudaTest, LinkOpensTheBoxesHelpText) {
    WriteAyuda("<ayuda id=\"10101\">" + Latin1("Cómo titular el proyecto.") +
               "</ayuda>"
               "<ayuda id=\"10103\">Primera</ayuda>"
               "<otra id=\"10103\">" +
               Latin1("Áreas:\r\nprincipal y secundaria") + "</otra>");
    const struct {
        const char* control;
        QString caption;
        QString text;
    } cases[] = {
        {"tituloEdit", "Título", "Cómo titular el proyecto."},
        {"areaTematicaComboBox", "Área temática", "Áreas:\nprincipal y secundaria"},
        {"areaTematicaSecundariaComboBox", "Área temática secundaria",
         "Áreas:\nprincipal y secundaria"},
        {"provinciaComboBox", "Provincia", "No hay ayuda sobre el tema [10104]"},
    };
    OpenActive();
    ClickSection(1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        Focus(c.control);
        const TVentanaAyuda seen = ClickHelpLink();
        EXPECT_TRUE(seen.shown);
        EXPECT_EQ(seen.text, c.text);
        EXPECT_EQ(seen.link, Link(c.caption));
        EXPECT_EQ(LinkState(), Link(c.caption));
        EXPECT_TRUE(Find<QWidget>(c.control)->hasFocus());
    }
    EXPECT_TRUE(Dialogs().Shown().empty());
}

TEST_F(AyudaTest, HelpWindowClosesWithEsc) {
    OpenActive();
    ClickSection(2);
    Focus("palabrasClaveEdit");
    const TVentanaAyuda seen = ClickHelpLink(true);
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "Ayuda");
    EXPECT_EQ(seen.size, QSize(465, 227));
    EXPECT_TRUE(seen.readOnly);
    // No "ayuda.xml": no text for any keyword, and an empty help file is left behind.
    EXPECT_EQ(seen.text, "No hay ayuda sobre el tema [10201]");
    EXPECT_TRUE(Exists("ayuda.xml"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Impact boxes take their keyword from the call's type; a type without help entries gets the
// configuration's notice as keyword, which no entry has.
TEST_F(AyudaTest, ImpactBoxesUseTheCallsKeywords) {
    ASSERT_TRUE(CopySampleInstallation(PathOf(QString())));
    WriteFile("config.xml", "<config><convocatorias>"
                            "<c caption=\"Sin ayuda\" file=\"rova-i-a-2026\" type=\"OTRA\"/>"
                            "<c caption=\"Con ayuda\" file=\"rova-i-a-2026\" type=\"ROVA-I-A\"/>"
                            "</convocatorias><labels><impactoSector>"
                            "<l convocatoria=\"ROVA-I-A\" value=\"Sector\"/></impactoSector>"
                            "</labels><help><impactoSector>"
                            "<h convocatoria=\"ROVA-I-A\" value=\"10302\"/></impactoSector>"
                            "</help></config>");
    OpenActive();
    ClickSection(3);
    Focus("impactoSectorMemo");
    // Before a call the impact boxes have no help.
    EXPECT_EQ(LinkState(), kSinAyuda);

    const struct {
        QString call;
        QString caption;
        QString starts;
    } cases[] = {
        {"Sin ayuda", "#Error", "No hay ayuda sobre el tema [No hay ayuda para este item]"},
        {"Con ayuda", "Sector", "Describa cómo los resultados del proyecto"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call.toStdString());
        ClickSection(0);
        PickItem(Find<QComboBox>("convocatoriaNameComboBox"), c.call);
        ClickSection(3);
        Focus("impactoSectorMemo");
        EXPECT_EQ(LinkState(), Link(c.caption));
        const TVentanaAyuda seen = ClickHelpLink();
        EXPECT_TRUE(seen.text.startsWith(c.starts)) << seen.text.toStdString();
    }
}

// An entry that holds more than text cannot be shown: the error is reported with its own text
// and no help window comes up.
TEST_F(AyudaTest, EntryThatIsNotTextIsReported) {
    WriteAyuda("<ayuda id=\"10101\">Texto <b>marcado</b></ayuda>");
    QString error;
    try {
        HelpTextFor("10101");
    } catch (const EVelornError& e) {
        error = e.Message();
    }
    ASSERT_FALSE(error.isEmpty());

    OpenActive();
    ClickSection(1);
    Focus("tituloEdit");
    const TVentanaAyuda seen = ClickHelpLink();
    EXPECT_FALSE(seen.shown);
    EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList{error});
    // The window goes on working.
    EXPECT_EQ(LinkState(), Link("Título"));
}

// A disabled link opens nothing.
TEST_F(AyudaTest, DisabledLinkDoesNotReact) {
    WriteAyuda("<ayuda id=\"10101\">Texto</ayuda>");
    OpenActive();
    ClickSection(1);
    Focus("tituloEdit");
    ClickSection(1); // the section list takes the focus
    ASSERT_EQ(LinkState(), kSinAyuda);
    EXPECT_FALSE(ClickHelpLink().shown);
    EXPECT_TRUE(Dialogs().Shown().empty());
}

} // namespace
