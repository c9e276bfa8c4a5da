#include "ortografia/UDiccionario.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kPalabras[] = {QStringLiteral("región"), QStringLiteral("ñandú"),
                             QStringLiteral("vergüenza"), QStringLiteral("œuvre")};

QByteArray Latin9(const QString& text) {
    QByteArray bytes;
    for (const QChar c : text)
        bytes.append(c == QChar(0x0153) ? char(0xBD) : char(c.unicode()));
    return bytes;
}

// A dictionary of a few words, written in the encoding its SET line names.
void Escribir(const QTemporaryDir& dir, const QString& set, QByteArray (*codificar)(const QString&),
              bool conLatin9) {
    QFile aff(dir.filePath(QStringLiteral("prueba.aff")));
    ASSERT_TRUE(aff.open(QIODevice::WriteOnly));
    aff.write(codificar(QStringLiteral("SET %1\nTRY aeiouáéíóúnñrgüz\n").arg(set)));
    QFile dic(dir.filePath(QStringLiteral("prueba.dic")));
    ASSERT_TRUE(dic.open(QIODevice::WriteOnly));
    QString content = QStringLiteral("4\n");
    for (const QString& palabra : kPalabras) {
        if (conLatin9 || palabra != kPalabras[3])
            content += palabra + QLatin1Char('\n');
    }
    dic.write(codificar(content));
}

} // namespace

// Words with accents, ñ and ü reach the dictionary and come back from it right, whatever
// encoding its SET line names.
TEST(Diccionario, ConvertsWordsToAndFromTheDictionarysEncoding) {
    const struct {
        QString set;
        QByteArray (*codificar)(const QString&);
        bool latin9;
    } casos[] = {
        {QStringLiteral("UTF-8"), [](const QString& t) { return t.toUtf8(); }, true},
        {QStringLiteral("ISO8859-1"), [](const QString& t) { return t.toLatin1(); }, false},
        {QStringLiteral("ISO8859-15"), Latin9, true},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.set.toStdString());
        QTemporaryDir dir;
        Escribir(dir, caso.set, caso.codificar, caso.latin9);
        auto diccionario = TDiccionario::Abrir(dir.filePath(QStringLiteral("prueba.aff")),
                                               dir.filePath(QStringLiteral("prueba.dic")));
        ASSERT_NE(diccionario, nullptr);
        EXPECT_EQ(diccionario->Codificacion(), caso.set);
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(diccionario->Correcta(kPalabras[i])) << kPalabras[i].toStdString();
        EXPECT_TRUE(diccionario->Correcta(QStringLiteral("Región")));
        // Held by ISO8859-15 and UTF-8; ISO8859-1 cannot even write it.
        EXPECT_EQ(diccionario->Correcta(kPalabras[3]), caso.latin9);
        EXPECT_FALSE(diccionario->Correcta(QStringLiteral("region")));
        EXPECT_FALSE(diccionario->Correcta(QStringLiteral("Łódź")));
        EXPECT_TRUE(
            diccionario->Sugerencias(QStringLiteral("regíon")).contains(QStringLiteral("región")));
        EXPECT_TRUE(
            diccionario->Sugerencias(QStringLiteral("nandú")).contains(QStringLiteral("ñandú")));
        diccionario->Agregar(QStringLiteral("pingüino"));
        EXPECT_TRUE(diccionario->Correcta(QStringLiteral("pingüino")));
    }
}

// No dictionary rather than a wrong one: missing files, an encoding the program cannot
// convert.
TEST(Diccionario, RefusesWhatItCannotRead) {
    QTemporaryDir dir;
    Escribir(
        dir, QStringLiteral("KOI8-R"), [](const QString& t) { return t.toUtf8(); }, true);
    EXPECT_EQ(TDiccionario::Abrir(dir.filePath(QStringLiteral("prueba.aff")),
                                  dir.filePath(QStringLiteral("prueba.dic"))),
              nullptr);
    EXPECT_EQ(TDiccionario::Abrir(dir.filePath(QStringLiteral("prueba.aff")),
                                  dir.filePath(QStringLiteral("falta.dic"))),
              nullptr);
}
