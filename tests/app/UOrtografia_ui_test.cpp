// Spell checking of the free texts: the underline as the user types, the context menu, the
// personal list across runs, the switch, and that none of it touches the project.
#include "document/UXMLProject.h"
#include "ortografia/UIdioma.h"
#include "ortografia/UUbicacionDiccionarios.h"
#include "ui_support/UPruebaEnvio.h"
#include "ui_support/UPruebaVentana.h"
#include "ui_support/UTeclado.h"
#include "widgets/UResaltadorOrtografia.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include <functional>

namespace {

const QString kResumen =
    QStringLiteral("project/document/body/section-break/resumenDelProyecto/resumenDelProyecto/");

class OrtografiaTest : public TPruebaVentana {
  protected:
    QPlainTextEdit* Memo(const char* name) { return Find<QPlainTextEdit>(name); }

    // Types into the text as the user does, with the focus in it.
    void Type(QPlainTextEdit* memo, const QString& text) {
        memo->setFocus();
        TypeText(memo, text);
        QCoreApplication::processEvents();
    }

    // The words drawn with the wavy red line, in order.
    static QStringList Underlined(QPlainTextEdit* memo) {
        QCoreApplication::processEvents();
        QStringList words;
        for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
            for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
                EXPECT_EQ(range.format, TResaltadorOrtografia::FormatoError());
                words.append(block.text().mid(range.start, range.length));
            }
        }
        return words;
    }

    // Right-clicks the word that starts at the position and hands the menu to the action
    // while it is open; the menu then closes.
    void RightClick(QPlainTextEdit* memo, int position, const std::function<void(QMenu*)>& act) {
        QTextCursor cursor(memo->document());
        cursor.setPosition(position + 1);
        const QPoint point = memo->cursorRect(cursor).center();
        bool shown = false;
        QTimer::singleShot(0, memo, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            shown = true;
            act(menu);
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, point,
                                memo->viewport()->mapToGlobal(point));
        QApplication::sendEvent(memo->viewport(), &event);
        EXPECT_TRUE(shown) << "no context menu";
    }

    static QAction* Action(QMenu* menu, const char* name) {
        return menu->findChild<QAction*>(QString::fromLatin1(name));
    }
    static QStringList Captions(QMenu* menu) {
        QStringList captions;
        for (const QAction* action : menu->actions())
            captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        return captions;
    }
    void SetChecking(bool on) {
        auto* item = Find<QAction>("RevisarOrtografiaMenuItem");
        if (item->isChecked() != on)
            item->trigger();
    }
};

} // namespace

// An unknown word is underlined as it is typed, a known one (accents, ñ, ü) is not, each text
// in its language; acronyms, words with digits and addresses are never underlined.
TEST_F(OrtografiaTest, TypingUnderlinesTheUnknownWords) {
    const struct {
        const char* memo;
        QString text;
        QStringList underlined;
    } cases[] = {
        {"resumenDelProyectoMemo", QStringLiteral("La rejion tiene investigación"), {"rejion"}},
        {"impactoSectorMemo",
         QStringLiteral("Ñandúes con vergüenza\nsegunda lína del CONICET, CO2 y www.velorn.org"),
         {QStringLiteral("lína")}},
        {"summaryMemo",
         QStringLiteral("The regiun has región"),
         {"regiun", QStringLiteral("región")}},
        {"otrosRecursosMemo", QStringLiteral("Escriban a ana@unlp.edu.ar sin eror"), {"eror"}},
        {"personaCurricularCVMemo", QStringLiteral("Doctora en Física, investigadora adjunta"), {}},
        {"personaCurricularAreaMemo", QStringLiteral("Biologia molecular"), {"Biologia"}},
    };
    Open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.memo);
        QPlainTextEdit* memo = Memo(c.memo);
        ASSERT_NE(memo, nullptr);
        const QStringList lines = c.text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(memo, Qt::Key_Return);
            Type(memo, lines[i]);
        }
        EXPECT_EQ(memo->toPlainText(), c.text);
        EXPECT_EQ(Underlined(memo), c.underlined);
    }
    // Fixing the word takes its line away.
    QPlainTextEdit* memo = Memo("resumenDelProyectoMemo");
    memo->moveCursor(QTextCursor::Start);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(memo, Qt::Key_Right);
    QTest::keyClick(memo, Qt::Key_Delete);
    TypeText(memo, QStringLiteral("g"));
    EXPECT_EQ(Underlined(memo), QStringList({"region"}));
    QTest::keyClick(memo, Qt::Key_Right);
    QTest::keyClick(memo, Qt::Key_Delete);
    TypeText(memo, QStringLiteral("ó"));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("La región tiene investigación"));
    EXPECT_EQ(Underlined(memo), QStringList());
}

// Taking a suggestion is the user's own edit: like typing, it ends the verification, and the
// file keeps what was verified until the next store.
TEST_F(OrtografiaTest, TakingASuggestionClearsTheVerification) {
    WriteCompleteProjectInto(PathOf(QString()), true, QString());
    {
        TXMLProject documento(PathOf("proyecto.xml"));
        documento.SetCData(kResumen, QStringLiteral("Una rejion del país"));
        documento.Save(true);
        documento.Release();
    }
    const QByteArray stored = ReadFile("proyecto.xml");
    Open();
    ASSERT_TRUE(Form().IsVerified());
    ClickSection(2);
    QPlainTextEdit* memo = Memo("resumenDelProyectoMemo");
    // A right button press gives the text the focus before its menu opens.
    memo->setFocus(Qt::MouseFocusReason);
    RightClick(memo, 4, [](QMenu* menu) { Action(menu, "SugerenciaMenuItem1")->trigger(); });
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Una región del país"));
    EXPECT_FALSE(Form().IsVerified());
    EXPECT_EQ(ReadFile("proyecto.xml"), stored);
}

// Texts loaded from the project are checked once the window shows.
TEST_F(OrtografiaTest, LoadedTextsAreChecked) {
    Open();
    Type(Memo("resumenDelProyectoMemo"), QStringLiteral("Una hipotesis nueva"));
    TriggerMenuItem("GuardarMenuItem");
    Open();
    EXPECT_EQ(Underlined(Memo("resumenDelProyectoMemo")), QStringList({"hipotesis"}));
}

// The context menu of an unknown word: its suggestions, the likeliest first, then
// "Agregar al diccionario" and "Ignorar", above Qt's own edit menu in Spanish. A suggestion
// replaces the word, and the project stores it.
TEST_F(OrtografiaTest, ASuggestionFromTheContextMenuReplacesTheWord) {
    Open();
    QPlainTextEdit* memo = Memo("resumenDelProyectoMemo");
    Type(memo, QStringLiteral("Una rejion del país"));
    RightClick(memo, 4, [](QMenu* menu) {
        const QStringList captions = Captions(menu);
        ASSERT_GE(captions.size(), 4);
        EXPECT_EQ(captions.first(), QStringLiteral("región"));
        const qsizetype agregar = captions.indexOf(QStringLiteral("Agregar al diccionario"));
        ASSERT_GE(agregar, 1);
        EXPECT_LE(agregar, 7) << "at most seven suggestions";
        EXPECT_EQ(captions[agregar + 1], QStringLiteral("Ignorar"));
        EXPECT_EQ(captions[agregar + 2], QStringLiteral("-"));
        // Qt's own menu follows, in Spanish.
        ASSERT_NE(Action(menu, "edit-copy"), nullptr);
        EXPECT_EQ(Action(menu, "edit-copy")->text().section(QLatin1Char('\t'), 0, 0),
                  QStringLiteral("&Copiar"));
        for (const QAction* action : menu->actions()) {
            EXPECT_TRUE(action->isSeparator() || !action->objectName().isEmpty())
                << action->text().toStdString();
        }
        Action(menu, "SugerenciaMenuItem1")->trigger();
    });
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Una región del país"));
    EXPECT_EQ(Underlined(memo), QStringList());
    // One step to undo.
    memo->undo();
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Una rejion del país"));
    memo->redo();
    TriggerMenuItem("GuardarMenuItem");
    EXPECT_EQ(StoredText(kResumen), QStringLiteral("Una región del país"));
    // On a known word, Qt's menu alone.
    RightClick(memo, 0, [](QMenu* menu) {
        EXPECT_EQ(Action(menu, "AgregarDiccionarioMenuItem"), nullptr);
        EXPECT_EQ(Captions(menu).first().section(QLatin1Char('\t'), 0, 0),
                  QStringLiteral("&Deshacer"));
    });
}

// An added word goes into the user's list file and is known in every text of its language,
// now and after a restart; an ignored one only until the program ends.
TEST_F(OrtografiaTest, AddedWordsStayIgnoredWordsEndWithTheRun) {
    Open();
    QPlainTextEdit* resumen = Memo("resumenDelProyectoMemo");
    QPlainTextEdit* impacto = Memo("impactoCampoMemo");
    Type(resumen, QStringLiteral("Velornia zurbaguín"));
    Type(impacto, QStringLiteral("Velornia"));
    ASSERT_EQ(Underlined(impacto), QStringList({"Velornia"}));
    RightClick(resumen, 0,
               [](QMenu* menu) { Action(menu, "AgregarDiccionarioMenuItem")->trigger(); });
    RightClick(resumen, 9, [](QMenu* menu) { Action(menu, "IgnorarMenuItem")->trigger(); });
    EXPECT_EQ(Underlined(resumen), QStringList());
    EXPECT_EQ(Underlined(impacto), QStringList());
    // Not in the English list.
    Type(Memo("summaryMemo"), QStringLiteral("Velornia"));
    EXPECT_EQ(Underlined(Memo("summaryMemo")), QStringList({"Velornia"}));
    EXPECT_EQ(Dialogs().Shown().size(), 0u);

    QFile list(RutaListaPersonal(TIdioma::Espanol));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_EQ(list.readAll(), QByteArray("Velornia\n"));
    EXPECT_TRUE(list.fileName().startsWith(SettingsPath(QString())));
    // Never beside the project.
    EXPECT_FALSE(Exists(QStringLiteral("diccionario-personal-es.txt")));

    Open();
    resumen = Memo("resumenDelProyectoMemo");
    Type(resumen, QStringLiteral("Velornia zurbaguín"));
    EXPECT_EQ(Underlined(resumen), QStringList({QStringLiteral("zurbaguín")}));
}

// Checking only looks: the stored project is the same byte for byte with it on and off,
// switching it is no edit (the verified state holds), and the switch is remembered.
TEST_F(OrtografiaTest, CheckingNeverTouchesTheProject) {
    Open();
    EXPECT_TRUE(Find<QAction>("RevisarOrtografiaMenuItem")->isCheckable());
    EXPECT_TRUE(Find<QAction>("RevisarOrtografiaMenuItem")->isChecked());
    Type(Memo("resumenDelProyectoMemo"), QStringLiteral("Una rejion con hipotesis"));
    Type(Memo("summaryMemo"), QStringLiteral("A regiun"));
    TriggerMenuItem("GuardarMenuItem");
    const QByteArray on = ReadFile(QStringLiteral("proyecto.xml"));

    QTextDocument* document = Memo("resumenDelProyectoMemo")->document();
    const int undoSteps = document->availableUndoSteps();
    SetChecking(false);
    EXPECT_EQ(Underlined(Memo("resumenDelProyectoMemo")), QStringList());
    TriggerMenuItem("GuardarMenuItem");
    EXPECT_EQ(ReadFile(QStringLiteral("proyecto.xml")), on);
    // Nothing to undo came from the underlining.
    EXPECT_EQ(document->availableUndoSteps(), undoSteps);

    // A verified project stays verified through the switch.
    Form().SetVerified(true);
    SetChecking(true);
    EXPECT_EQ(Underlined(Memo("resumenDelProyectoMemo")), QStringList({"rejion", "hipotesis"}));
    EXPECT_TRUE(Form().IsVerified());
    SetChecking(false);
    EXPECT_TRUE(Form().IsVerified());
    EXPECT_FALSE(Exists(QStringLiteral("proyecto.recuperacion.xml")));

    // Off is remembered in the user's settings, not in the project.
    Open();
    EXPECT_FALSE(Find<QAction>("RevisarOrtografiaMenuItem")->isChecked());
    EXPECT_EQ(Underlined(Memo("resumenDelProyectoMemo")), QStringList());
    EXPECT_TRUE(QFile::exists(SettingsPath(QStringLiteral("velorn.ini"))));
    SetChecking(true);
    EXPECT_EQ(Underlined(Memo("resumenDelProyectoMemo")), QStringList({"rejion", "hipotesis"}));
}

// Without any dictionary the texts are not checked and nothing is said about it.
TEST_F(OrtografiaTest, WithoutDictionariesNothingIsChecked) {
    QTemporaryDir empty;
    SetCarpetasDiccionarios({empty.path()});
    Open();
    QPlainTextEdit* memo = Memo("resumenDelProyectoMemo");
    Type(memo, QStringLiteral("Una rejion"));
    EXPECT_EQ(Underlined(memo), QStringList());
    RightClick(memo, 4, [](QMenu* menu) {
        EXPECT_EQ(Action(menu, "SugerenciaMenuItem1"), nullptr);
        EXPECT_EQ(Action(menu, "AgregarDiccionarioMenuItem"), nullptr);
    });
    EXPECT_EQ(Dialogs().Shown().size(), 0u);
}
