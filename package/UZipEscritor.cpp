#include "package/UZipEscritor.h"

#include "document/UArchivoAtomico.h"

#include <zlib.h>

namespace {

constexpr std::uint32_t kLocalSignature = 0x04034b50;
constexpr std::uint32_t kCentralSignature = 0x02014b50;
constexpr std::uint32_t kZip64EndSignature = 0x06064b50;
constexpr std::uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint16_t kMadeBy = 0; // MS-DOS
constexpr std::uint16_t kNeeded = 20;
constexpr std::uint16_t kNeededZip64 = 45;
constexpr std::uint16_t kUtf8Flag = 1u << 11;
constexpr std::uint16_t kDeflate = 8;
constexpr std::uint16_t kZip64Tag = 0x0001;
constexpr std::uint16_t kUnicodePathTag = 0x7075;
constexpr std::uint32_t kAllOnes32 = 0xFFFFFFFF;
constexpr std::uint16_t kAllOnes16 = 0xFFFF;
// Offsets are not tied to the size limit: only a real archive of 4 GiB moves them there.
constexpr std::uint64_t kOffsetLimit = kAllOnes32;

void Put(QByteArray& out, std::uint64_t value, int width) {
    for (int i = 0; i < width; ++i)
        out += char((value >> (8 * i)) & 0xFF);
}

bool Ascii(const QByteArray& name) {
    for (const char c : name)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

std::uint32_t NameCrc(const QByteArray& name) {
    return std::uint32_t(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(name.data()),
                               uInt(name.size())));
}

// The name again, tied to the header's name by its CRC, for unzip programs that decode the
// header's name from the DOS code page when the entry is made by MS-DOS.
QByteArray UnicodePathField(const QByteArray& name) {
    QByteArray field;
    Put(field, kUnicodePathTag, 2);
    Put(field, 1 + 4 + std::uint64_t(name.size()), 2);
    Put(field, 1, 1);
    Put(field, NameCrc(name), 4);
    field += name;
    return field;
}

QByteArray Zip64Field(std::uint64_t uncompressed, std::uint64_t compressed,
                      const std::uint64_t* offset) {
    QByteArray field;
    Put(field, kZip64Tag, 2);
    Put(field, offset ? 24 : 16, 2);
    Put(field, uncompressed, 8);
    Put(field, compressed, 8);
    if (offset)
        Put(field, *offset, 8);
    return field;
}

std::uint16_t Flags(const QByteArray& name) {
    return Ascii(name) ? 0 : kUtf8Flag;
}

QByteArray NameExtra(const QByteArray& name) {
    return Ascii(name) ? QByteArray() : UnicodePathField(name);
}

} // namespace

TZipEscritor::TZipEscritor(TArchivoAtomico& file) : file_(file) {}

bool TZipEscritor::Append(const QByteArray& bytes) {
    return file_.Write(bytes.constData(), bytes.size());
}

// The fields both headers of an entry have, in the same order: from the version needed to
// extract up to the length of the extra field. A zip64 entry says so in both: sizes all ones,
// the real ones in the zip64 field.
void TZipEscritor::PutSharedFields(QByteArray& out, const Entrada& entry, const QByteArray& extra) {
    const QByteArray& name = entry.header.name;
    Put(out, entry.zip64 ? kNeededZip64 : kNeeded, 2);
    Put(out, Flags(name), 2);
    Put(out, kDeflate, 2);
    Put(out, entry.header.dosDateTime, 4);
    Put(out, entry.crc, 4);
    Put(out, entry.zip64 ? kAllOnes32 : entry.compressed, 4);
    Put(out, entry.zip64 ? kAllOnes32 : entry.uncompressed, 4);
    Put(out, std::uint64_t(name.size()), 2);
    Put(out, std::uint64_t(extra.size()), 2);
}

QByteArray TZipEscritor::LocalHeader(const Entrada& entry) const {
    const QByteArray& name = entry.header.name;
    const QByteArray extra =
        (entry.zip64 ? Zip64Field(entry.uncompressed, entry.compressed, nullptr) : QByteArray()) +
        NameExtra(name);
    QByteArray out;
    Put(out, kLocalSignature, 4);
    PutSharedFields(out, entry, extra);
    return out + name + extra;
}

QByteArray TZipEscritor::CentralHeader(const Entrada& entry) const {
    const QByteArray& name = entry.header.name;
    const bool farOffset = entry.offset >= kOffsetLimit;
    const QByteArray extra = (entry.zip64 ? Zip64Field(entry.uncompressed, entry.compressed,
                                                       farOffset ? &entry.offset : nullptr)
                                          : QByteArray()) +
                             NameExtra(name);
    QByteArray out;
    Put(out, kCentralSignature, 4);
    Put(out, kMadeBy, 2);
    PutSharedFields(out, entry, extra);
    Put(out, 0, 2); // comment
    Put(out, 0, 2); // disk
    Put(out, 0, 2); // internal attributes
    Put(out, entry.header.externalAttributes, 4);
    Put(out, farOffset ? kAllOnes32 : entry.offset, 4);
    return out + name + extra;
}

bool TZipEscritor::BeginEntry(const TZipEncabezado& header, bool zip64) {
    current_ = Entrada();
    current_.header = header;
    current_.offset = std::uint64_t(file_.Size());
    current_.zip64 = zip64 || OffsetNeedsZip64();
    compressed_ = 0;
    return file_.Seek(file_.Size()) && Append(LocalHeader(current_));
}

bool TZipEscritor::OffsetNeedsZip64() const {
    return current_.offset >= kOffsetLimit;
}

bool TZipEscritor::WriteData(const unsigned char* data, std::size_t size) {
    compressed_ += size;
    return file_.Write(reinterpret_cast<const char*>(data), qint64(size));
}

bool TZipEscritor::DropEntry() {
    compressed_ = 0;
    return file_.Truncate(qint64(current_.offset));
}

bool TZipEscritor::EndEntry(std::uint32_t crc, std::uint64_t uncompressed) {
    current_.crc = crc;
    current_.compressed = compressed_;
    current_.uncompressed = uncompressed;
    const qint64 end = file_.Size();
    if (!file_.Seek(qint64(current_.offset)) || !Append(LocalHeader(current_)) || !file_.Seek(end))
        return false;
    entries_.push_back(current_);
    return true;
}

bool TZipEscritor::Finish() {
    const std::uint64_t centralOffset = std::uint64_t(file_.Size());
    if (!file_.Seek(file_.Size()))
        return false;
    for (const Entrada& entry : entries_)
        if (!Append(CentralHeader(entry)))
            return false;
    const std::uint64_t centralSize = std::uint64_t(file_.Size()) - centralOffset;
    const std::uint64_t count = entries_.size();
    const bool zip64 =
        count >= kAllOnes16 || centralSize >= kAllOnes32 || centralOffset >= kOffsetLimit;
    QByteArray end;
    if (zip64) {
        const std::uint64_t recordOffset = std::uint64_t(file_.Size());
        Put(end, kZip64EndSignature, 4);
        Put(end, 44, 8); // size of the rest of the record
        Put(end, kMadeBy, 2);
        Put(end, kNeededZip64, 2);
        Put(end, 0, 4); // this disk
        Put(end, 0, 4); // disk of the central directory
        Put(end, count, 8);
        Put(end, count, 8);
        Put(end, centralSize, 8);
        Put(end, centralOffset, 8);
        Put(end, kZip64LocatorSignature, 4);
        Put(end, 0, 4);
        Put(end, recordOffset, 8);
        Put(end, 1, 4); // disks
    }
    Put(end, kEndSignature, 4);
    Put(end, 0, 2);
    Put(end, 0, 2);
    Put(end, zip64 ? kAllOnes16 : count, 2);
    Put(end, zip64 ? kAllOnes16 : count, 2);
    Put(end, zip64 ? kAllOnes32 : centralSize, 4);
    Put(end, zip64 ? kAllOnes32 : centralOffset, 4);
    Put(end, 0, 2); // comment
    return Append(end);
}
