// Closing the main window: the question, and what each answer does to the window and the file.
#include "ui_support/UPruebaVentana.h"

#include <QFile>

namespace {

using TClase = TDialogoMostrado::TClase;

class CierreTest : public TPruebaVentana {};

TEST_F(CierreTest, AsksWhetherToSaveWithItsOwnCaptions) {
    Open();
    Dialogs().Answer(TBotonDialogo::Cancelar);
    Form().close();

    ASSERT_EQ(Dialogs().Shown().size(), 1u);
    const TDialogoMostrado& dialog = Dialogs().Shown().front();
    EXPECT_EQ(dialog.clase, TClase::Mensaje);
    EXPECT_EQ(dialog.text, "¿Desea guardar el formulario antes de salir?.");
    EXPECT_EQ(dialog.title, "Confirmación");
    EXPECT_EQ(dialog.kind, TTipoDialogo::Confirmacion);
    EXPECT_EQ(dialog.captions, (QStringList{"&Si", "&No", "&Cancelar"}));
    EXPECT_EQ(dialog.buttons, TBotonDialogo::Si | TBotonDialogo::No | TBotonDialogo::Cancelar);
}

// "Salir" and the window's close box run the same sequence.
TEST_F(CierreTest, EachAnswerClosesAndSavesOrNot) {
    const struct {
        const char* how;
        TBotonDialogo answer;
        bool closes;
        bool saves;
    } cases[] = {
        {"Salir", TBotonDialogo::Si, true, true},
        {"Salir", TBotonDialogo::No, true, false},
        {"Salir", TBotonDialogo::Cancelar, false, false},
        {"close box", TBotonDialogo::Si, true, true},
        {"close box", TBotonDialogo::No, true, false},
        // Esc and closing the question count as "&Cancelar".
        {"close box", TBotonDialogo::Cancelar, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.how) + " " + std::to_string(int(c.answer)));
        NewDialogs();
        QFile::remove(PathOf("proyecto.xml"));
        Open();
        Dialogs().Answer(c.answer);
        if (std::string(c.how) == "Salir")
            TriggerMenuItem("SalirMenuItem");
        else
            Form().close();

        EXPECT_EQ(Form().isVisible(), !c.closes);
        EXPECT_EQ(Exists("proyecto.xml"), c.saves);
        if (c.saves) {
            EXPECT_EQ(StoredAttribute("soft/", "version"), "2");
        }
        // The close sequence has no success notice.
        EXPECT_EQ(Dialogs().Shown().size(), 1u);
    }
}

// What was saved stays as it was when the user leaves without saving.
TEST_F(CierreTest, LeavingWithoutSavingKeepsTheLastSavedFile) {
    Open();
    TriggerMenuItem("GuardarMenuItem");
    const QByteArray saved = ReadFile("proyecto.xml");
    Dialogs().Answer(TBotonDialogo::Cancelar);
    EXPECT_FALSE(Form().close());
    Dialogs().Answer(TBotonDialogo::No);
    EXPECT_TRUE(Form().close());
    EXPECT_EQ(ReadFile("proyecto.xml"), saved);
    EXPECT_FALSE(Exists("proyecto.xml.bak"));
}

} // namespace
