#include "package/KZip.h"

#include "document/UCarpetaTrabajo.h"
#include "package/EZipError.h"
#include "package/UZipEntrada.h"
#include "package/ZipCrudo.h"
#include "package/ZipHerramientas.h"
#include "package/ZipLeido.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>
#include <utility>
#include <vector>

namespace {

// zlib guesses such text as text; the entry must still keep internal attributes 0.
QByteArray XmlText(int lines) {
    QByteArray text("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<import>\r\n");
    for (int i = 0; i < lines; ++i)
        text += "  <row rubro=\"Bibliograf\xED"
                "a\" descr=\"Libros " +
                QByteArray::number(i) + "\" subsidio=\"" + QByteArray::number(i * 7 % 1000) +
                "\" year=\"1\"/>\r\n";
    return text + "</import>\r\n";
}

QByteArray RandomBytes(qsizetype size, unsigned seed) {
    std::mt19937 engine(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& c : bytes)
        c = static_cast<char>(engine() & 0xFF);
    return bytes;
}

std::uint32_t Crc(const QByteArray& bytes) {
    return static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(bytes.constData()),
                                            static_cast<uInt>(bytes.size())));
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class KZipTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(work_.isValid());
        ASSERT_TRUE(dest_.isValid());
        SetWorkingFolder(work_.path());
    }
    void TearDown() override { SetWorkingFolder(QString()); }

    QString Work(const QString& relative) const { return work_.filePath(relative); }
    QString Dest(const QString& relative) const { return dest_.filePath(relative); }

    QString WriteFile(const QString& path, const QByteArray& bytes,
                      const QDateTime& modified = QDateTime()) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite | QIODevice::Truncate)) << path.toStdString();
        file.write(bytes);
        if (modified.isValid()) {
            EXPECT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
        }
        return path;
    }
    QString WriteSource(const QString& relative, const QByteArray& bytes,
                        const QDateTime& modified = QDateTime()) {
        return WriteFile(Work(relative), bytes, modified);
    }

    QStringList DestEntries() const {
        return QDir(dest_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir work_;
    QTemporaryDir dest_;
};

TEST_F(KZipTest, WritesTheProjectAndTheTechnicalDescriptionAsPlainDeflatedEntries) {
    struct Expected {
        QByteArray name;
        QByteArray content;
        std::uint32_t dosTime;
    };
    const std::vector<Expected> expected = {
        {"proyecto.xml", XmlText(400), 0x586574B5}, // 2024-03-05 14:37:42
        {"desctec/informe.pdf", RandomBytes(150000, 7) + XmlText(300),
         0x577E40A5}, // 2023-11-30 08:05:10
    };
    const QStringList sources = {
        WriteSource("proyecto.xml", expected[0].content, QDateTime({2024, 3, 5}, {14, 37, 42})),
        WriteSource("desctec/informe.pdf", expected[1].content,
                    QDateTime({2023, 11, 30}, {8, 5, 10})),
    };
    const QString target = Dest("20123456.zip");

    TKZip zip;
    zip.ZipFiles(target, 2, sources);
    EXPECT_EQ(zip.FileName(), target);

    const QByteArray archive = ReadAll(target);
    const RawZip raw = ParseRawZip(archive);
    ASSERT_TRUE(raw.valid);
    EXPECT_TRUE(raw.contiguous);
    EXPECT_FALSE(raw.zip64End);
    EXPECT_TRUE(raw.comment.isEmpty());
    ASSERT_EQ(raw.entries.size(), expected.size());

    const UnzippedArchive unzipped = Unzip(target);
    ASSERT_TRUE(unzipped.opened);
    EXPECT_EQ(unzipped.count, expected.size());
    EXPECT_TRUE(unzipped.comment.isEmpty());
    ASSERT_EQ(unzipped.entries.size(), expected.size());

    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Expected& want = expected[i];
        const auto size = static_cast<std::uint32_t>(want.content.size());
        SCOPED_TRACE(want.name.toStdString());

        const RawZipEntry& e = raw.entries[i];
        EXPECT_EQ(e.localName, want.name);
        EXPECT_EQ(e.name, want.name);
        EXPECT_EQ(e.localMethod, 8);
        EXPECT_EQ(e.method, 8);
        EXPECT_EQ(e.localFlags, 0);
        EXPECT_EQ(e.flags, 0);
        EXPECT_EQ(e.localVersionNeeded, 20);
        EXPECT_EQ(e.versionNeeded, 20);
        EXPECT_EQ(e.versionMadeBy, 0);
        EXPECT_EQ(e.localDosTime, want.dosTime);
        EXPECT_EQ(e.dosTime, want.dosTime);
        EXPECT_EQ(e.localCrc, Crc(want.content));
        EXPECT_EQ(e.crc, Crc(want.content));
        EXPECT_EQ(e.localUncompressed32, size);
        EXPECT_EQ(e.uncompressed32, size);
        EXPECT_EQ(e.localCompressed32, e.compressed32);
        EXPECT_LT(e.compressed32, size);
        EXPECT_EQ(e.diskStart, 0);
        EXPECT_EQ(e.internalAttributes, 0);
        EXPECT_EQ(e.externalAttributes, 0x20u);
        EXPECT_TRUE(e.localExtra.isEmpty());
        EXPECT_TRUE(e.extra.isEmpty());
        EXPECT_TRUE(e.comment.isEmpty());
        EXPECT_EQ(InflateRawEntry(archive, e), want.content);

        const UnzippedEntry& u = unzipped.entries[i];
        EXPECT_EQ(u.name, want.name);
        EXPECT_EQ(u.info.compression_method, 8u);
        EXPECT_EQ(u.info.flag, 0u);
        EXPECT_EQ(u.info.version, 0u);
        EXPECT_EQ(u.info.version_needed, 20u);
        EXPECT_EQ(u.info.dosDate, want.dosTime);
        EXPECT_EQ(u.info.crc, Crc(want.content));
        EXPECT_EQ(u.info.uncompressed_size, size);
        EXPECT_EQ(u.info.compressed_size, e.compressed32);
        EXPECT_EQ(u.info.internal_fa, 0u);
        EXPECT_EQ(u.info.external_fa, 0x20u);
        EXPECT_EQ(u.info.size_file_extra, 0u);
        EXPECT_EQ(u.info.size_file_comment, 0u);
        EXPECT_EQ(u.openResult, UNZ_OK);
        EXPECT_EQ(u.closeResult, UNZ_OK);
        EXPECT_EQ(u.content, want.content);
    }
}

TEST_F(KZipTest, AttributesFollowTheSourceAndNeverMarkText) {
    struct Case {
        const char* name;
        QByteArray content;
        bool readOnly;
        std::uint32_t external;
    };
    const std::vector<Case> cases = {
        {"texto.xml", XmlText(50), false, 0x20},
        {"texto-solo-lectura.txt", XmlText(50), true, 0x21},
        {"binario.pdf", RandomBytes(5000, 3), false, 0x20},
        {"binario-solo-lectura.pdf", RandomBytes(5000, 4), true, 0x21},
        {"vacio.pdf", QByteArray(), false, 0x20},
    };
    QStringList sources;
    for (const Case& c : cases) {
        sources << WriteSource(c.name, c.content);
        if (c.readOnly)
            QFile::setPermissions(sources.last(), QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                      QFileDevice::ReadOther);
    }
    const QString target = Dest("1.zip");
    TKZip().ZipFiles(target, static_cast<int>(sources.size()), sources);

    const QByteArray archive = ReadAll(target);
    const RawZip raw = ParseRawZip(archive);
    ASSERT_TRUE(raw.valid);
    ASSERT_EQ(raw.entries.size(), cases.size());
    const UnzippedArchive unzipped = Unzip(target);
    ASSERT_EQ(unzipped.entries.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(raw.entries[i].externalAttributes, cases[i].external);
        EXPECT_EQ(raw.entries[i].internalAttributes, 0);
        EXPECT_EQ(raw.entries[i].method, 8);
        EXPECT_EQ(InflateRawEntry(archive, raw.entries[i]), cases[i].content);
        EXPECT_EQ(unzipped.entries[i].closeResult, UNZ_OK);
        EXPECT_EQ(unzipped.entries[i].content, cases[i].content);
    }
}

TEST_F(KZipTest, NamesAreRelativeToTheWorkingFolderAndFlaggedUtf8OnlyWhenNotAscii) {
    const QString outside = WriteFile(Dest("fuera/otro.txt"), "fuera");
    const std::vector<std::pair<QString, QByteArray>> sources = {
        {WriteSource("proyecto.xml", XmlText(5)), "proyecto.xml"},
        {WriteSource(QString::fromUtf8("desctec/descripción técnica.pdf"), "pdf"),
         "desctec/descripci\xC3\xB3n t\xC3\xA9"
         "cnica.pdf"},
        {WriteSource("desctec/Plan de trabajo.PDF", "pdf"), "desctec/Plan de trabajo.PDF"},
        {outside, "otro.txt"},
    };
    QStringList paths;
    for (const auto& source : sources)
        paths << source.first;
    const QString target = Dest("2.zip");
    TKZip().ZipFiles(target, static_cast<int>(paths.size()), paths);

    const RawZip raw = ParseRawZip(ReadAll(target));
    ASSERT_TRUE(raw.valid);
    ASSERT_EQ(raw.entries.size(), sources.size());
    const UnzippedArchive unzipped = Unzip(target);
    ASSERT_EQ(unzipped.entries.size(), sources.size());
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const QByteArray& name = sources[i].second;
        const bool ascii = QString::fromUtf8(name).toLatin1() == name &&
                           std::all_of(name.begin(), name.end(), [](char c) { return c > 0; });
        const std::uint16_t flags = ascii ? 0 : 0x0800;
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(raw.entries[i].localName, name);
        EXPECT_EQ(raw.entries[i].name, name);
        EXPECT_EQ(raw.entries[i].localFlags, flags);
        EXPECT_EQ(raw.entries[i].flags, flags);
        EXPECT_EQ(unzipped.entries[i].name, name);
        EXPECT_EQ(unzipped.entries[i].closeResult, UNZ_OK);
        EXPECT_EQ(raw.entries[i].versionMadeBy, 0);
        // Info-ZIP's Unicode Path field: tag, size, version 1, CRC-32 of the stored name, name.
        QByteArray unicodePath;
        if (!ascii) {
            const std::uint32_t crc = Crc(name);
            const auto size = static_cast<std::uint16_t>(5 + name.size());
            unicodePath = QByteArray("\x75\x70", 2) + char(size & 0xFF) + char(size >> 8) +
                          char(1) + char(crc & 0xFF) + char((crc >> 8) & 0xFF) +
                          char((crc >> 16) & 0xFF) + char(crc >> 24) + name;
        }
        EXPECT_EQ(raw.entries[i].localExtra, unicodePath);
        EXPECT_EQ(raw.entries[i].extra, unicodePath);
    }

    // Every unzip program reads the names as written, and extracts into the same layout.
    QStringList names;
    for (const auto& source : sources)
        names << QString::fromUtf8(source.second);
    const ZipToolReport tools = ReadWithZipTools(target, Dest("extraido"));
    if (!tools.available.isEmpty())
        GTEST_SKIP() << tools.available.toStdString();
    EXPECT_EQ(tools.testResult, 0) << tools.testOutput.toStdString();
    EXPECT_EQ(tools.listNames, names);
    EXPECT_EQ(tools.zipinfoNames, names);
    EXPECT_EQ(tools.pythonNames, names) << tools.pythonOutput.toStdString();
    QStringList sorted = names;
    sorted.sort();
    EXPECT_EQ(tools.extracted, sorted);
    EXPECT_EQ(ReadAll(Dest(QString::fromUtf8("extraido/desctec/descripción técnica.pdf"))),
              QByteArray("pdf"));
}

TEST_F(KZipTest, AnEntryNameThatWindowsReadsDifferentlyIsRefused) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "no file can carry these names here, so none can reach a package";
#endif
    const QString project = WriteSource("proyecto.xml", XmlText(5));
    for (const char* name : {"desctec/..\\..\\evil.pdf", "desctec/a:b.pdf", "desctec/CON.pdf",
                             "desctec/informe.pdf.", "desctec/informe "}) {
        SCOPED_TRACE(name);
        const QString attached = WriteSource(QString::fromUtf8(name), "pdf");
        EXPECT_THROW(TKZip().ZipFiles(Dest("6.zip"), 2, {project, attached}), EZipError);
        EXPECT_FALSE(QFileInfo::exists(Dest("6.zip")));
    }
}

TEST(ZipEntryNameTest, TakesThePathBelowTheFolder) {
    struct Case {
        const char* source;
        const char* folder;
        const char* name;
    };
    const Case cases[] = {
        {"/w/proyecto.xml", "/w/", "proyecto.xml"},
        {"/w/desctec/a b.pdf", "/w", "desctec/a b.pdf"},
        {"/w/./desctec//x.pdf", "/w/", "desctec/x.pdf"},
        {"/w/otra/../desctec/x.pdf", "/w/", "desctec/x.pdf"},
        {"/otra/x.pdf", "/w/", "x.pdf"},
        {"/wx/y.pdf", "/w/", "y.pdf"}, // a folder whose name merely starts like the working one
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZipEntryName(c.source, c.folder), QString(c.name)) << c.source;
}

TEST(DosDateTimeTest, PacksLocalTimeInTwoSecondSteps) {
    struct Case {
        QDateTime time;
        std::uint32_t dos;
    };
    const Case cases[] = {
        {QDateTime({2024, 3, 5}, {14, 37, 42}), 0x586574B5},
        {QDateTime({2024, 3, 5}, {14, 37, 43}), 0x586574B5},
        {QDateTime({2000, 2, 29}, {23, 59, 59}), 0x285DBF7D},
        {QDateTime({1980, 1, 1}, {0, 0, 0}), 0x00210000},
        {QDateTime({1979, 12, 31}, {23, 59, 59}), 0x00210000},
        {QDateTime({1970, 1, 1}, {0, 0, 0}), 0x00210000},
        {QDateTime({2107, 12, 31}, {23, 59, 58}), 0xFF9FBF7D},
        {QDateTime({2150, 6, 1}, {12, 0, 0}), 0xFF9FBF7D},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DosDateTime(c.time), c.dos) << c.time.toString(Qt::ISODate).toStdString();
}

// Checks that both headers of an entry tell the same story: zip64 in both or in neither, made
// by MS-DOS, and the sizes and CRC of the data that are there.
void ExpectHeadersAgree(const RawZipEntry& e, bool zip64) {
    EXPECT_EQ(e.versionMadeBy, 0);
    EXPECT_EQ(e.localVersionNeeded, e.versionNeeded);
    EXPECT_EQ(e.versionNeeded, zip64 ? 45 : 20);
    EXPECT_EQ(e.localCrc, e.crc);
    EXPECT_EQ(e.localCompressed32, e.compressed32);
    EXPECT_EQ(e.localUncompressed32, e.uncompressed32);
    const auto hasZip64 = [](const QByteArray& extra) {
        return extra.size() >= 4 && rawzip::Read(extra, 0, 2) == 0x0001u;
    };
    EXPECT_EQ(hasZip64(e.localExtra), zip64);
    EXPECT_EQ(hasZip64(e.extra), zip64);
    if (zip64) {
        EXPECT_EQ(e.uncompressed32, 0xFFFFFFFFu);
        EXPECT_EQ(e.compressed32, 0xFFFFFFFFu);
        std::uint64_t localUncompressed = 0, localCompressed = 0;
        rawzip::ApplyZip64(e.localExtra, true, true, false, localUncompressed, localCompressed,
                           nullptr);
        EXPECT_EQ(localUncompressed, e.uncompressed);
        EXPECT_EQ(localCompressed, e.compressed);
    }
}

TEST_F(KZipTest, OnlyAnEntryThatOutgrowsTheLimitUsesZip64AndBothHeadersSaySo) {
    const qint64 limit = 64 * 1024;
    // Random data grow when deflated: the fourth entry is below the limit but its deflated
    // data are not, so it is written again with zip64.
    const std::vector<QByteArray> contents = {XmlText(100), RandomBytes(limit + 1000, 11),
                                              RandomBytes(limit - 4096, 12),
                                              RandomBytes(limit - 10, 13)};
    ASSERT_LT(contents[0].size(), limit);
    const QStringList sources = {WriteSource("proyecto.xml", contents[0]),
                                 WriteSource("desctec/grande.pdf", contents[1]),
                                 WriteSource("desctec/anexo.pdf", contents[2]),
                                 WriteSource("desctec/justo.pdf", contents[3])};
    const std::vector<bool> zip64 = {false, true, false, true};
    const QString target = Dest("3.zip");
    std::vector<qint64> progress;
    TKZip(limit).ZipFiles(target, 4, sources,
                          [&](qint64 done, qint64) { progress.push_back(done); });
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));

    const QByteArray archive = ReadAll(target);
    const RawZip raw = ParseRawZip(archive);
    ASSERT_TRUE(raw.valid);
    EXPECT_TRUE(raw.contiguous);
    EXPECT_FALSE(raw.zip64End);
    ASSERT_EQ(raw.entries.size(), 4u);
    const UnzippedArchive unzipped = Unzip(target);
    ASSERT_EQ(unzipped.entries.size(), 4u);
    for (std::size_t i = 0; i < contents.size(); ++i) {
        SCOPED_TRACE(i);
        const RawZipEntry& e = raw.entries[i];
        ExpectHeadersAgree(e, zip64[i]);
        if (zip64[i]) {
            EXPECT_GE(std::max(e.compressed, e.uncompressed), std::uint64_t(limit));
        } else {
            EXPECT_TRUE(e.localExtra.isEmpty());
            EXPECT_TRUE(e.extra.isEmpty());
            // Debian's minizip reader cannot read zip64 entries; the others it must.
            EXPECT_EQ(unzipped.entries[i].closeResult, UNZ_OK);
            EXPECT_EQ(unzipped.entries[i].content, contents[i]);
        }
        EXPECT_EQ(e.uncompressed, static_cast<std::uint64_t>(contents[i].size()));
        EXPECT_EQ(e.crc, Crc(contents[i]));
        EXPECT_EQ(InflateRawEntry(archive, e), contents[i]);
    }
    const ZipToolReport tools = ReadWithZipTools(target, Dest("extraido"));
    if (!tools.available.isEmpty())
        GTEST_SKIP() << tools.available.toStdString();
    EXPECT_EQ(tools.testResult, 0) << tools.testOutput.toStdString();
    EXPECT_EQ(tools.pythonNames, (QStringList{"proyecto.xml", "desctec/grande.pdf",
                                              "desctec/anexo.pdf", "desctec/justo.pdf"}))
        << tools.pythonOutput.toStdString();
}

// Takes about half a minute: a sparse technical description of more than 4 GiB. Run it by hand
// with --gtest_also_run_disabled_tests --gtest_filter='*FourGiB*', or as the benchmark
// KZip4GiB_bench, which checks the same headers.
TEST_F(KZipTest, DISABLED_FourGiBTechnicalDescriptionGivesAValidZip64Entry) {
    const QByteArray project = XmlText(100);
    const QStringList sources = {WriteSource("proyecto.xml", project),
                                 WriteSource("desctec/enorme.bin", "inicio")};
    const qint64 size = (qint64(4) << 30) + (qint64(1) << 20);
    {
        QFile big(sources[1]);
        ASSERT_TRUE(big.open(QIODevice::ReadWrite));
        ASSERT_TRUE(big.resize(size));
        ASSERT_TRUE(big.seek(size - 3));
        big.write("fin");
    }
    const QString target = Dest("4.zip");
    TKZip().ZipFiles(target, 2, sources);

    const QByteArray archive = ReadAll(target);
    const RawZip raw = ParseRawZip(archive);
    ASSERT_TRUE(raw.valid);
    EXPECT_TRUE(raw.contiguous);
    ASSERT_EQ(raw.entries.size(), 2u);
    EXPECT_EQ(raw.entries[0].versionNeeded, 20);
    EXPECT_TRUE(raw.entries[0].extra.isEmpty());
    EXPECT_TRUE(raw.entries[0].localExtra.isEmpty());
    ExpectHeadersAgree(raw.entries[0], false);
    ExpectHeadersAgree(raw.entries[1], true);
    EXPECT_EQ(raw.entries[1].uncompressed, static_cast<std::uint64_t>(size));

    std::uint64_t length = 0;
    uLong crc = crc32(0, nullptr, 0);
    EXPECT_TRUE(InflateRawEntryInto(archive, raw.entries[1], [&](const Bytef* data, std::size_t n) {
        crc = crc32(crc, data, static_cast<uInt>(n));
        length += n;
    }));
    EXPECT_EQ(length, static_cast<std::uint64_t>(size));
    EXPECT_EQ(crc, raw.entries[1].crc);

    // Debian's minizip 1.1 reader ignores zip64 sizes on 64-bit systems, so it only checks the
    // small entry here; Info-ZIP's unzip and Python's zipfile read the whole archive.
    const UnzippedArchive unzipped = Unzip(target);
    ASSERT_EQ(unzipped.entries.size(), 2u);
    EXPECT_EQ(unzipped.entries[0].content, project);
    EXPECT_EQ(unzipped.entries[0].closeResult, UNZ_OK);
}

TEST_F(KZipTest, AFailedPackageLeavesNoArchiveBehind) {
    const QString project = WriteSource("proyecto.xml", XmlText(20));
    const QString attached = WriteSource("desctec/informe.pdf", RandomBytes(40000, 5));
    WriteFile(Dest("archivo.txt"), "no es una carpeta");
    struct Case {
        const char* name;
        QString target;
        int count;
        QStringList sources;
    };
    const Case cases[] = {
        {"destination folder missing", Dest("no/existe/1.zip"), 2, {project, attached}},
        {"destination parent is a file", Dest("archivo.txt/1.zip"), 2, {project, attached}},
        {"technical description missing", Dest("1.zip"), 2, {project, Work("desctec/falta.pdf")}},
        {"no attachment: the folder itself", Dest("1.zip"), 2, {project, Work("desctec/")}},
        {"project missing", Dest("1.zip"), 2, {Work("otro/proyecto.xml"), attached}},
        {"more files than sources", Dest("1.zip"), 3, {project, attached}},
    };
    const QStringList before = DestEntries();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(TKZip().ZipFiles(c.target, c.count, c.sources), EZipError);
        EXPECT_FALSE(QFileInfo::exists(c.target));
        EXPECT_EQ(DestEntries(), before);
    }
}

TEST_F(KZipTest, AnExistingPackageIsReplacedOnlyByAComplete) {
    const QString project = WriteSource("proyecto.xml", XmlText(20));
    const QString target = WriteFile(Dest("20123456.zip"), "paquete anterior");

    EXPECT_THROW(TKZip().ZipFiles(target, 2, {project, Work("desctec/falta.pdf")}), EZipError);
    EXPECT_EQ(ReadAll(target), QByteArray("paquete anterior"));

    const QString attached = WriteSource("desctec/informe.pdf", "pdf");
    TKZip().ZipFiles(target, 2, {project, attached});
    const UnzippedArchive unzipped = Unzip(target);
    ASSERT_EQ(unzipped.entries.size(), 2u);
    EXPECT_EQ(unzipped.entries[1].content, QByteArray("pdf"));
    EXPECT_EQ(DestEntries(), QStringList{"20123456.zip"});
}

TEST_F(KZipTest, ProgressCountsEveryByteOnTheCallingThread) {
    const QStringList sources = {
        WriteSource("proyecto.xml", XmlText(200)),
        WriteSource("desctec/informe.pdf", RandomBytes((qsizetype(3) << 20) + 12345, 9))};
    const qint64 total = QFileInfo(sources[0]).size() + QFileInfo(sources[1]).size();
    std::vector<std::pair<qint64, qint64>> calls;
    const auto thread = std::this_thread::get_id();
    bool otherThread = false;
    TKZip().ZipFiles(Dest("5.zip"), 2, sources, [&](qint64 done, qint64 all) {
        calls.emplace_back(done, all);
        otherThread = otherThread || std::this_thread::get_id() != thread;
    });

    EXPECT_FALSE(otherThread);
    ASSERT_GE(calls.size(), 5u); // start, each MiB, end of each source
    EXPECT_EQ(calls.front(), std::make_pair(qint64(0), total));
    EXPECT_EQ(calls.back(), std::make_pair(total, total));
    for (std::size_t i = 1; i < calls.size(); ++i) {
        EXPECT_GT(calls[i].first, calls[i - 1].first);
        EXPECT_EQ(calls[i].second, total);
    }
}

} // namespace
