// The package of a technical description of 4 GiB and 1 MiB (a sparse file): times the
// writer and checks that the large entry uses zip64 in both of its headers, made by MS-DOS,
// with the sizes and CRC of its data, and the small entry none of it. Too slow for every test
// run (about half a minute), so it lives here; the exit code tells whether the archive is right.
//
//   KZip4GiB_bench

#include "bench/UMedicion.h"
#include "document/UCarpetaTrabajo.h"
#include "package/KZip.h"
#include "package/ZipCrudo.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

int Check(bool condition, const char* what) {
    std::printf("  %-58s %s\n", what, condition ? "ok" : "FALLA");
    return condition ? 0 : 1;
}

} // namespace

int main() {
    QTemporaryDir work;
    QTemporaryDir dest;
    SetWorkingFolder(work.path());
    const qint64 size = (qint64(4) << 30) + (qint64(1) << 20);
    {
        QFile project(work.filePath("proyecto.xml"));
        QFile big(work.filePath("desctec/enorme.bin"));
        if (!QDir().mkpath(work.filePath("desctec")) || !project.open(QIODevice::WriteOnly) ||
            !big.open(QIODevice::WriteOnly) || !big.resize(size) || !big.seek(size - 3))
            return 2;
        project.write("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<import/>\r\n");
        big.write("fin");
    }
    const QString target = dest.filePath("4.zip");
    const double ms = Ms([&] {
        TKZip().ZipFiles(target, 2,
                         {work.filePath("proyecto.xml"), work.filePath("desctec/enorme.bin")});
    });
    std::printf("KZip, 4 GiB + 1 MiB sparse technical description: %.0f ms\n", ms);

    QFile file(target);
    if (!file.open(QIODevice::ReadOnly))
        return 2;
    const QByteArray archive = file.readAll();
    const RawZip raw = ParseRawZip(archive);
    int failures =
        Check(raw.valid && raw.contiguous && raw.entries.size() == 2, "archive readable");
    if (failures)
        return 1;
    const RawZipEntry& small = raw.entries[0];
    const RawZipEntry& large = raw.entries[1];
    failures += Check(small.versionNeeded == 20 && small.localVersionNeeded == 20 &&
                          small.extra.isEmpty() && small.localExtra.isEmpty(),
                      "small entry: no zip64");
    failures += Check(large.versionMadeBy == 0 && small.versionMadeBy == 0, "made by 0");
    failures += Check(large.versionNeeded == 45 && large.localVersionNeeded == 45,
                      "large entry: version 45 in both headers");
    failures +=
        Check(large.uncompressed32 == 0xFFFFFFFFu && large.localUncompressed32 == 0xFFFFFFFFu &&
                  large.compressed32 == 0xFFFFFFFFu && large.localCompressed32 == 0xFFFFFFFFu,
              "large entry: 32-bit sizes all ones in both headers");
    std::uint64_t localUncompressed = 0, localCompressed = 0;
    rawzip::ApplyZip64(large.localExtra, true, true, false, localUncompressed, localCompressed,
                       nullptr);
    failures +=
        Check(large.uncompressed == std::uint64_t(size) &&
                  localUncompressed == large.uncompressed && localCompressed == large.compressed,
              "large entry: zip64 sizes agree");
    std::uint64_t length = 0;
    uLong crc = crc32(0, nullptr, 0);
    const bool inflated =
        InflateRawEntryInto(archive, large, [&](const Bytef* data, std::size_t n) {
            crc = crc32(crc, data, static_cast<uInt>(n));
            length += n;
        });
    failures += Check(inflated && length == std::uint64_t(size) && crc == large.crc &&
                          large.localCrc == large.crc,
                      "large entry: data and CRC");
    return failures == 0 ? 0 : 1;
}
