#include "package/KZip.h"

#include "document/UCarpetaTrabajo.h"
#include "package/EZipError.h"
#include "package/UZipDestino.h"
#include "package/UZipEntrada.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <minizip/zip.h>
#include <zlib.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr qint64 kBlockSize = 16384;
constexpr unsigned kOutputSize = 65536;
constexpr int kMemLevel = 8;
constexpr uLong kVersionMadeBy = 0; // MS-DOS
constexpr uLong kUtf8NameFlag = 1u << 11;
constexpr qint64 kProgressStep = qint64(1) << 20;

QString Quoted(const QString& path) {
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

[[noreturn]] void Fail(const QString& message) {
    throw EZipError(message);
}

// An archive still open when writing stops early is closed to free minizip's state; the
// file it went into is never committed.
struct AbandonArchive {
    void operator()(void* zip) const { zipClose(static_cast<zipFile>(zip), nullptr); }
};
using ArchiveHandle = std::unique_ptr<void, AbandonArchive>;

struct EndDeflate {
    void operator()(z_stream* stream) const {
        deflateEnd(stream);
        delete stream;
    }
};
using DeflateHandle = std::unique_ptr<z_stream, EndDeflate>;

DeflateHandle NewDeflater() {
    auto stream = std::make_unique<z_stream>();
    // Raw deflate (negative window bits): the archive's headers take the place of zlib's.
    if (deflateInit2(stream.get(), Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, kMemLevel,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        Fail(QStringLiteral("No se pudo iniciar la compresión."));
    return DeflateHandle(stream.release());
}

// Counts the bytes read and tells the caller, at most once per step and at each source's end.
struct Progress {
    const TZipProgress& callback;
    qint64 total = 0;
    qint64 done = 0;
    qint64 reported = -1;

    void Report(bool always) {
        if (!callback || done == reported || (!always && done - reported < kProgressStep))
            return;
        reported = done;
        callback(done, std::max(total, done));
    }
};

qint64 TotalSize(const QStringList& sources, int count) {
    qint64 total = 0;
    for (int i = 0; i < count; ++i)
        total += QFileInfo(sources.at(i)).size();
    return total;
}

// Deflates what is in stream's input (or finishes the stream) into the open entry.
void Deflate(zipFile zip, z_stream& stream, std::vector<Bytef>& output, int flush,
             const QString& source) {
    int result = Z_OK;
    do {
        stream.next_out = output.data();
        stream.avail_out = kOutputSize;
        result = deflate(&stream, flush);
        if (result == Z_STREAM_ERROR)
            Fail(QStringLiteral("Error al comprimir el archivo %1.").arg(Quoted(source)));
        const unsigned produced = kOutputSize - stream.avail_out;
        if (produced > 0 && zipWriteInFileInZip(zip, output.data(), produced) != ZIP_OK)
            Fail(QStringLiteral("Error al escribir el archivo comprimido."));
    } while (stream.avail_out == 0 || (flush == Z_FINISH && result != Z_STREAM_END));
}

// One source as one entry. The data are deflated here and handed to minizip as raw data:
// minizip's own deflate would mark an entry whose text zlib guesses as text in the internal
// attributes, and those must stay 0.
void WriteEntry(zipFile zip, const QString& source, qint64 zip64Limit, Progress& progress) {
    const QFileInfo info(source);
    QFile input(source);
    if (!info.isFile() || !input.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        Fail(QStringLiteral("No se pudo leer el archivo %1.").arg(Quoted(source)));

    const QByteArray name = ZipEntryNameBytes(ZipEntryName(source, WorkingFolder()));
    zip_fileinfo entryInfo{};
    entryInfo.dosDate = DosDateTime(info.lastModified());
    entryInfo.internal_fa = 0;
    entryInfo.external_fa = DosAttributes(source);

    DeflateHandle stream = NewDeflater();
    const qint64 size = input.size();
    const bool zip64 =
        size >= zip64Limit || static_cast<qint64>(deflateBound(stream.get(), size)) >= zip64Limit;
    const uLong flags = ZipNeedsUtf8Flag(name) ? kUtf8NameFlag : 0;
    if (zipOpenNewFileInZip4_64(zip, name.constData(), &entryInfo, nullptr, 0, nullptr, 0, nullptr,
                                Z_DEFLATED, Z_DEFAULT_COMPRESSION, /*raw=*/1, -MAX_WBITS, kMemLevel,
                                Z_DEFAULT_STRATEGY, nullptr, 0, kVersionMadeBy, flags,
                                zip64 ? 1 : 0) != ZIP_OK)
        Fail(QStringLiteral("No se pudo agregar el archivo %1.").arg(Quoted(source)));

    std::vector<Bytef> block(kBlockSize);
    std::vector<Bytef> output(kOutputSize);
    uLong crc = crc32(0, nullptr, 0);
    ZPOS64_T length = 0;
    for (;;) {
        const qint64 read = input.read(reinterpret_cast<char*>(block.data()), kBlockSize);
        if (read < 0)
            Fail(QStringLiteral("No se pudo leer el archivo %1.").arg(Quoted(source)));
        if (read == 0)
            break;
        crc = crc32(crc, block.data(), static_cast<uInt>(read));
        length += static_cast<ZPOS64_T>(read);
        stream->next_in = block.data();
        stream->avail_in = static_cast<uInt>(read);
        Deflate(zip, *stream, output, Z_NO_FLUSH, source);
        progress.done += read;
        progress.Report(false);
    }
    Deflate(zip, *stream, output, Z_FINISH, source);
    if (zipCloseFileInZipRaw64(zip, length, crc) != ZIP_OK)
        Fail(QStringLiteral("No se pudo completar el archivo %1 en el paquete.")
                 .arg(Quoted(source)));
    progress.Report(true);
}

} // namespace

void TKZip::ZipFiles(const QString& path, int count, const QStringList& sources,
                     const TZipProgress& progress) {
    fileName_ = path;
    if (count < 0 || count > sources.size())
        Fail(QStringLiteral("Faltan archivos para el paquete."));

    // The archive goes into a temporary file beside the target and takes its name only when
    // complete, so a failed package never looks like a finished one.
    QSaveFile output(path);
    if (!output.open(QIODevice::WriteOnly))
        Fail(QStringLiteral("No se pudo crear el archivo %1.").arg(Quoted(path)));
    zlib_filefunc64_def functions = SaveFileFunctions(output);
    const QByteArray encodedPath = QFile::encodeName(path);
    ArchiveHandle zip(
        zipOpen2_64(encodedPath.constData(), APPEND_STATUS_CREATE, nullptr, &functions));
    if (!zip)
        Fail(QStringLiteral("No se pudo crear el archivo %1.").arg(Quoted(path)));

    Progress report{progress, TotalSize(sources, count)};
    report.Report(true);
    for (int i = 0; i < count; ++i)
        WriteEntry(static_cast<zipFile>(zip.get()), sources.at(i), zip64Limit_, report);

    if (zipClose(static_cast<zipFile>(zip.release()), "") != ZIP_OK || !output.commit())
        Fail(QStringLiteral("No se pudo escribir el archivo %1.").arg(Quoted(path)));
}
