#include "ortografia/UPalabrasTexto.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList Palabras(const QString& texto) {
    QStringList palabras;
    for (const TPalabraTexto& palabra : PalabrasTexto(texto))
        palabras.append(texto.mid(palabra.inicio, palabra.largo));
    return palabras;
}

} // namespace

// What spell checking looks at in a text, and what it leaves alone.
TEST(PalabrasTexto, FindsTheWordsToCheck) {
    const struct {
        const char* caso;
        QString texto;
        QStringList palabras;
    } casos[] = {
        {"accents, ñ and ü are letters",
         QStringLiteral("Investigación en ñandúes y vergüenza."),
         {"Investigación", "en", "ñandúes", "y", "vergüenza"}},
        {"a combining accent stays in its word",
         QStringLiteral("regio\u0301n final"),
         {QStringLiteral("regio\u0301n"), "final"}},
        {"signs and hyphens separate words",
         QStringLiteral("(teórico-práctico), «uno»; dos/tres"),
         {"teórico", "práctico", "uno", "dos", "tres"}},
        {"an apostrophe inside a word",
         QStringLiteral("the group's don\u2019t 'quoted'"),
         {"the", "group's", QStringLiteral("don\u2019t"), "quoted"}},
        {"acronyms are left out",
         QStringLiteral("El CONICET y la UBA, con I+D"),
         {"El", "y", "la", "con"}},
        {"words with digits are left out",
         QStringLiteral("CO2 en 3D y el año 2024a; km2"),
         {"en", "y", "el", "año"}},
        {"e-mail addresses are left out",
         QStringLiteral("Escribir a ana.perez@unlp.edu.ar hoy"),
         {"Escribir", "a", "hoy"}},
        {"web addresses are left out whole",
         QStringLiteral("Ver https://velorn.org/bases?x=uno, (www.ejemplo.com.ar) o "
                        "conicet.gov.ar/becas."),
         {"Ver", "o"}},
        {"a missing blank after a full stop is no address",
         QStringLiteral("fin.Comienzo"),
         {"fin", "Comienzo"}},
        {"blank lines and tabs",
         QStringLiteral("\n\tuno \r\n dos\u00a0tres"),
         {"uno", "dos", "tres"}},
        {"nothing to check", QStringLiteral(" 123 — ¿? "), {}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        EXPECT_EQ(Palabras(caso.texto), caso.palabras);
    }
}

TEST(PalabrasTexto, GivesWhereEachWordIs) {
    const std::vector<TPalabraTexto> esperadas = {{1, 6}, {11, 6}};
    EXPECT_EQ(PalabrasTexto(u"¿rejion? 3 región"), esperadas);
}
