#include "package/KZip.h"

#include "document/UArchivoAtomico.h"
#include "document/UCarpetaTrabajo.h"
#include "package/EZipError.h"
#include "package/UNombrePortable.h"
#include "package/UZipEntrada.h"
#include "package/UZipEscritor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zlib.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr qint64 kBlockSize = 16384;
constexpr unsigned kOutputSize = 65536;
constexpr int kMemLevel = 8;
constexpr qint64 kProgressStep = qint64(1) << 20;

QString Quoted(const QString& path) {
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

[[noreturn]] void Fail(const QString& message) {
    throw EZipError(message);
}

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
        // An entry written again with zip64 reads its source twice; the count never goes back.
        if (!callback || done <= reported || (!always && done - reported < kProgressStep))
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

// Deflates what is in stream's input (or finishes the stream) into the open entry. False when
// the entry outgrew the limit of an entry without zip64, which then starts again with zip64.
bool Deflate(TZipEscritor& zip, z_stream& stream, std::vector<Bytef>& output, int flush,
             const QString& source, bool zip64, qint64 limit) {
    int result = Z_OK;
    do {
        stream.next_out = output.data();
        stream.avail_out = kOutputSize;
        result = deflate(&stream, flush);
        if (result == Z_STREAM_ERROR)
            Fail(QStringLiteral("Error al comprimir el archivo %1.").arg(Quoted(source)));
        const unsigned produced = kOutputSize - stream.avail_out;
        if (produced > 0 && !zip.WriteData(output.data(), produced))
            Fail(QStringLiteral("Error al escribir el archivo comprimido."));
        if (!zip64 && zip.Compressed() >= std::uint64_t(limit))
            return false;
    } while (stream.avail_out == 0 || (flush == Z_FINISH && result != Z_STREAM_END));
    return true;
}

// Deflates the whole source into the entry begun; false when it needs zip64 after all.
bool DeflateEntry(TZipEscritor& zip, QFile& input, const QString& source, bool zip64, qint64 limit,
                  Progress& progress) {
    DeflateHandle stream = NewDeflater();
    std::vector<Bytef> block(kBlockSize);
    std::vector<Bytef> output(kOutputSize);
    uLong crc = crc32(0, nullptr, 0);
    qint64 length = 0;
    for (;;) {
        const qint64 read = input.read(reinterpret_cast<char*>(block.data()), kBlockSize);
        if (read < 0)
            Fail(QStringLiteral("No se pudo leer el archivo %1.").arg(Quoted(source)));
        if (read == 0)
            break;
        crc = crc32(crc, block.data(), static_cast<uInt>(read));
        length += read;
        progress.done += read;
        stream->next_in = block.data();
        stream->avail_in = static_cast<uInt>(read);
        if (!Deflate(zip, *stream, output, Z_NO_FLUSH, source, zip64, limit) ||
            (!zip64 && length >= limit)) {
            progress.done -= length;
            return false;
        }
        progress.Report(false);
    }
    if (!Deflate(zip, *stream, output, Z_FINISH, source, zip64, limit)) {
        progress.done -= length;
        return false;
    }
    if (!zip.EndEntry(std::uint32_t(crc), std::uint64_t(length)))
        Fail(QStringLiteral("No se pudo completar el archivo %1 en el paquete.")
                 .arg(Quoted(source)));
    progress.Report(true);
    return true;
}

// One source as one entry. An entry is written without zip64 unless its size needs it; one
// whose deflated data outgrow the limit after all is written again with zip64, so that its
// two headers always agree.
void WriteEntry(TZipEscritor& zip, const QString& source, qint64 zip64Limit, Progress& progress) {
    const QFileInfo info(source);
    QFile input(source);
    if (!info.isFile() || !input.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        Fail(QStringLiteral("No se pudo leer el archivo %1.").arg(Quoted(source)));

    const QString name = ZipEntryName(source, WorkingFolder());
    if (!IsPortableEntryName(name))
        Fail(QStringLiteral("No se pudo agregar el archivo %1.").arg(Quoted(source)));
    TZipEncabezado header;
    header.name = ZipEntryNameBytes(name);
    header.dosDateTime = DosDateTime(info.lastModified());
    header.externalAttributes = DosAttributes(source);

    bool zip64 = input.size() >= zip64Limit;
    for (;;) {
        if (!zip.BeginEntry(header, zip64))
            Fail(QStringLiteral("No se pudo agregar el archivo %1.").arg(Quoted(source)));
        if (DeflateEntry(zip, input, source, zip64, zip64Limit, progress))
            return;
        if (zip64 || !zip.DropEntry() || !input.seek(0))
            Fail(QStringLiteral("No se pudo agregar el archivo %1.").arg(Quoted(source)));
        zip64 = true;
    }
}

} // namespace

void TKZip::ZipFiles(const QString& path, int count, const QStringList& sources,
                     const TZipProgress& progress) {
    fileName_ = path;
    if (count < 0 || count > sources.size())
        Fail(QStringLiteral("Faltan archivos para el paquete."));

    // The archive goes into a temporary file beside the target and takes its name only when
    // complete and on disk, so a failed package never looks like a finished one.
    TArchivoAtomico output(path);
    if (!output.Open())
        Fail(QStringLiteral("No se pudo crear el archivo %1.").arg(Quoted(path)));
    TZipEscritor zip(output);

    Progress report{progress, TotalSize(sources, count)};
    report.Report(true);
    for (int i = 0; i < count; ++i)
        WriteEntry(zip, sources.at(i), zip64Limit_, report);

    if (!zip.Finish() || !output.Commit())
        Fail(QStringLiteral("No se pudo escribir el archivo %1.").arg(Quoted(path)));
}
