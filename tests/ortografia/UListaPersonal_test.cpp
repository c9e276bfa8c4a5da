#include "ortografia/UListaPersonal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray Leer(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void Escribir(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// One word a line in UTF-8, in the order added; the folder is made when missing; another
// list of the same file reads them back.
TEST(ListaPersonal, WritesOneWordALineAndReadsItBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ajustes/diccionario-personal-es.txt"));
    TListaPersonal lista(path);
    EXPECT_TRUE(lista.Palabras().isEmpty());
    QString error;
    ASSERT_TRUE(lista.Agregar(QStringLiteral("Velornía"), &error)) << error.toStdString();
    ASSERT_TRUE(lista.Agregar(QStringLiteral("güemesiano"), &error));
    ASSERT_TRUE(lista.Agregar(QStringLiteral("Velornía"), &error));
    EXPECT_EQ(Leer(path), QByteArray("Velorn\xc3\xad"
                                     "a\ng\xc3\xbc"
                                     "emesiano\n"));
    // A word typed with a separate accent is the same word.
    EXPECT_TRUE(lista.Contiene(QStringLiteral("Velornía")));
    EXPECT_TRUE(TListaPersonal(path).Contiene(QStringLiteral("güemesiano")));
    EXPECT_EQ(TListaPersonal(path).Palabras().size(), 2);
    // Nothing left beside it.
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files).size(), 1);
}

// A list edited by hand (CR LF, blank lines, blanks around words, a decomposed accent), and
// words another running program added since this one read the file: all kept.
TEST(ListaPersonal, KeepsWhatOthersWroteIntoTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lista.txt"));
    Escribir(path, "  uno \r\n\r\nregio\xcc\x81n\r\n");
    TListaPersonal lista(path);
    EXPECT_EQ(lista.Palabras(), QStringList({"uno", QStringLiteral("región")}));
    Escribir(path, "uno\nregi\xc3\xb3n\notro\n");
    ASSERT_TRUE(lista.Agregar(QStringLiteral("nuevo"), nullptr));
    EXPECT_EQ(Leer(path), QByteArray("uno\nregi\xc3\xb3n\notro\nnuevo\n"));
}

// A list that cannot be written says why and keeps the word for the session; the old file
// stays as it was.
TEST(ListaPersonal, AFailedWriteKeepsTheWordAndTheOldFile) {
    QTemporaryDir dir;
    const QString bloqueo = dir.filePath(QStringLiteral("archivo"));
    Escribir(bloqueo, "no es una carpeta");
    TListaPersonal lista(bloqueo + QStringLiteral("/lista.txt"));
    QString error;
    EXPECT_FALSE(lista.Agregar(QStringLiteral("palabra"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(lista.Contiene(QStringLiteral("palabra")));
    EXPECT_EQ(Leer(bloqueo), QByteArray("no es una carpeta"));
}
