// Writes that fail on a full disk are reported and leave the old file as it was: the project,
// the cover pages, the attached copy and the package.
#include "document/UArchivoAtomico.h"

#include "cover/UCaratula.h"
#include "document/UCarpetaTrabajo.h"
#include "document/UErrores.h"
#include "document/UXMLProject.h"
#include "package/EZipError.h"
#include "package/KZip.h"
#include "support/UDiscoLleno.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

TEST(ArchivoAtomicoTest, ReplacesTheFileWholeOrNotAtAll) {
    QTemporaryDir dir;
    const QString path = dir.filePath("archivo.txt");
    WriteAll(path, "anterior");

    QString error;
    EXPECT_TRUE(TArchivoAtomico::WriteFile(path, "nuevo", &error)) << error.toStdString();
    EXPECT_EQ(ReadAll(path), QByteArray("nuevo"));

    {
        TArchivoAtomico abandoned(path);
        ASSERT_TRUE(abandoned.Open());
        EXPECT_TRUE(abandoned.Write("a medias", 8));
    }
    EXPECT_EQ(ReadAll(path), QByteArray("nuevo"));

    TArchivoAtomico patched(path);
    ASSERT_TRUE(patched.Open());
    ASSERT_TRUE(patched.Write("0123456789", 10));
    ASSERT_TRUE(patched.Seek(2));
    ASSERT_TRUE(patched.Write("ab", 2));
    ASSERT_TRUE(patched.Truncate(8));
    ASSERT_TRUE(patched.Write("XY", 2));
    EXPECT_EQ(patched.Size(), 10);
    ASSERT_TRUE(patched.Commit());
    EXPECT_EQ(ReadAll(path), QByteArray("01ab4567XY"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"archivo.txt"});

    EXPECT_FALSE(TArchivoAtomico::WriteFile(dir.filePath("no/existe.txt"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(TArchivoAtomico::CopyFile(dir.filePath("falta.txt"), path, &error));
    EXPECT_EQ(ReadAll(path), QByteArray("01ab4567XY"));
}

// A small document on a full disk was once reported saved and left at 0 bytes.
TEST(ArchivoAtomicoTest, EveryWriterReportsAFullDiskAndKeepsTheOldFile) {
    QTemporaryDir work;
    SetWorkingFolder(work.path());
    WriteAll(work.filePath("desctec/informe.pdf"), QByteArray(20000, 'p'));
    TDiscoLleno disco(256);
    if (!disco.IsMounted())
        GTEST_SKIP() << disco.Reason().toStdString();

    const QString project = disco.PathOf("proyecto.xml");
    {
        TXMLProject document(project);
        document.SetCData("project/document/properties/title/", "Proyecto");
        document.Save(true);
    }
    const QByteArray stored = ReadAll(project);
    WriteAll(disco.PathOf("caratula.htm"), "caratula anterior");
    WriteAll(disco.PathOf("desctec/informe.pdf"), "copia anterior");
    WriteAll(disco.PathOf("20123456.zip"), "paquete anterior");
    ASSERT_TRUE(disco.Fill());

    const struct {
        const char* what;
        QString file;
        std::function<void()> write; // raises on failure
    } cases[] = {
        {"project", project,
         [&] {
             TXMLProject document(project);
             document.SetCData("project/document/body/resumen/", QString(3000, QLatin1Char('r')));
             document.Save(true);
         }},
        {"cover pages", disco.PathOf("caratula.htm"),
         [&] {
             TXMLProject document(project);
             TCaratula(document).WriteCoverPages(disco.PathOf("caratula.htm"));
         }},
        {"attached copy", disco.PathOf("desctec/informe.pdf"),
         [&] {
             QString error;
             if (!TArchivoAtomico::CopyFile(work.filePath("desctec/informe.pdf"),
                                            disco.PathOf("desctec/informe.pdf"), &error))
                 throw EVelornError(error);
         }},
        {"package", disco.PathOf("20123456.zip"),
         [&] {
             TKZip().ZipFiles(
                 disco.PathOf("20123456.zip"), 2,
                 {work.filePath("proyecto.xml.fuente"), work.filePath("desctec/informe.pdf")});
         }},
    };
    WriteAll(work.filePath("proyecto.xml.fuente"), stored);
    const QByteArray before[] = {stored, "caratula anterior", "copia anterior", "paquete anterior"};
    int i = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(c.write(), EVelornError);
        EXPECT_EQ(ReadAll(c.file), before[i++]);
    }
    // No temporary file is left behind.
    EXPECT_EQ(QDir(disco.PathOf("")).entryList(QDir::Files, QDir::Name),
              (QStringList{"20123456.zip", "caratula.htm", "proyecto.xml", "proyecto.xml.bak",
                           "relleno"}));
    EXPECT_EQ(QDir(disco.PathOf("desctec")).entryList(QDir::Files), QStringList{"informe.pdf"});
    SetWorkingFolder(QString());
}

} // namespace
