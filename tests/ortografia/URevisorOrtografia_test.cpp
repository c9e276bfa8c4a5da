#include "config/UAjustesUsuario.h"
#include "ortografia/UOrtografia.h"
#include "ortografia/URevisorOrtografia.h"
#include "ortografia/UUbicacionDiccionarios.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The dictionaries the program carries, and a settings folder of the test's own.
class RevisorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ajustes_.isValid());
        SetCarpetasDiccionarios({QStringLiteral(VELORN_DICCIONARIOS)});
        SetCarpetaAjustesUsuario(ajustes_.path());
    }
    void TearDown() override {
        SetCarpetasDiccionarios({});
        SetCarpetaAjustesUsuario(QString());
    }
    QStringList Errores(TRevisorOrtografia& revisor, const QString& texto) {
        QStringList errores;
        for (const TPalabraTexto& palabra : revisor.Errores(texto))
            errores.append(texto.mid(palabra.inicio, palabra.largo));
        return errores;
    }

    QTemporaryDir ajustes_;
};

} // namespace

// Each language finds the unknown words of its texts only.
TEST_F(RevisorTest, FindsTheUnknownWordsOfEachLanguage) {
    TOrtografia ortografia;
    TRevisorOrtografia* espanol = ortografia.Revisor(TIdioma::Espanol);
    TRevisorOrtografia* ingles = ortografia.Revisor(TIdioma::Ingles);
    ASSERT_NE(espanol, nullptr);
    ASSERT_NE(ingles, nullptr);
    const struct {
        TRevisorOrtografia* revisor;
        QString texto;
        QStringList errores;
    } casos[] = {
        {espanol,
         QStringLiteral("La investigación sobre la rejion del ñandú causa vergüenza y "
                        "lingüística; el CONICET usa CO2 y escribe a ana@unlp.edu.ar."),
         {"rejion"}},
        {espanol,
         QStringLiteral("Investigacion teórico-práctica sobre el desarroyo regio\u0301n"),
         {"Investigacion", "desarroyo"}},
        {espanol, QStringLiteral("The project"), {"The", "project"}},
        {ingles, QStringLiteral("The group's research don\u2019t improve the regiun."), {"regiun"}},
        {ingles, QStringLiteral("Investigación científica"), {"Investigación", "científica"}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.texto.toStdString());
        EXPECT_EQ(Errores(*caso.revisor, caso.texto), caso.errores);
    }
}

// Spanish suggestions put the words that sound alike first: "rejion" offers "región", which
// hunspell alone does not. Never more than asked, never the word itself.
TEST_F(RevisorTest, SuggestsWhatTheWriterMeant) {
    TOrtografia ortografia;
    const struct {
        TIdioma idioma;
        QString palabra;
        QString primera;
    } casos[] = {
        {TIdioma::Espanol, QStringLiteral("rejion"), QStringLiteral("región")},
        {TIdioma::Espanol, QStringLiteral("Rejion"), QStringLiteral("Región")},
        {TIdioma::Espanol, QStringLiteral("investigasion"), QStringLiteral("investigación")},
        {TIdioma::Espanol, QStringLiteral("ablar"), QStringLiteral("hablar")},
        {TIdioma::Espanol, QStringLiteral("desarroyo"), QStringLiteral("desarrollo")},
        {TIdioma::Espanol, QStringLiteral("grúpo"), QStringLiteral("grupo")},
        {TIdioma::Ingles, QStringLiteral("reserch"), QStringLiteral("research")},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.palabra.toStdString());
        QStringList sugerencias = ortografia.Revisor(caso.idioma)->Sugerencias(caso.palabra, 7);
        ASSERT_FALSE(sugerencias.isEmpty());
        EXPECT_EQ(sugerencias.first(), caso.primera);
        EXPECT_LE(sugerencias.size(), 7);
        EXPECT_FALSE(sugerencias.contains(caso.palabra));
        EXPECT_EQ(sugerencias.removeDuplicates(), 0);
    }
}

// An added word is known at once, also with a capital, and in the next run through its list
// file; an ignored one only in this run.
TEST_F(RevisorTest, AddedWordsLastIgnoredWordsDoNot) {
    {
        TOrtografia ortografia;
        TRevisorOrtografia* revisor = ortografia.Revisor(TIdioma::Espanol);
        EXPECT_FALSE(revisor->Correcta(QStringLiteral("velornés")));
        EXPECT_FALSE(revisor->Correcta(QStringLiteral("Velornés")));
        QString error;
        ASSERT_TRUE(revisor->Agregar(QStringLiteral("velornés"), &error)) << error.toStdString();
        revisor->Ignorar(QStringLiteral("zurbaguín"));
        EXPECT_TRUE(revisor->Correcta(QStringLiteral("velornés")));
        EXPECT_TRUE(revisor->Correcta(QStringLiteral("Velornés")));
        EXPECT_TRUE(revisor->Correcta(QStringLiteral("zurbaguín")));
        // English has a list of its own.
        EXPECT_FALSE(ortografia.Revisor(TIdioma::Ingles)->Correcta(QStringLiteral("velornés")));
    }
    QFile lista(RutaListaPersonal(TIdioma::Espanol));
    ASSERT_TRUE(lista.open(QIODevice::ReadOnly));
    EXPECT_EQ(lista.readAll(), QByteArray("velorn\xc3\xa9s\n"));
    TOrtografia siguiente;
    EXPECT_TRUE(siguiente.Revisor(TIdioma::Espanol)->Correcta(QStringLiteral("velornés")));
    EXPECT_FALSE(siguiente.Revisor(TIdioma::Espanol)->Correcta(QStringLiteral("zurbaguín")));
}

// "Revisar ortografía" is on until the user turns it off, and stays as the user left it.
TEST_F(RevisorTest, TheSwitchIsRememberedInTheSettingsFolder) {
    EXPECT_TRUE(RevisarOrtografia());
    SetRevisarOrtografia(false);
    EXPECT_FALSE(RevisarOrtografia());
    EXPECT_TRUE(QFile::exists(ajustes_.filePath(QStringLiteral("velorn.ini"))));
    SetRevisarOrtografia(true);
    EXPECT_TRUE(RevisarOrtografia());
}
