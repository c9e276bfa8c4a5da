#pragma once

// Reads a zip archive byte by byte, without minizip, so that the tests see the headers
// exactly as they were written.

#include <QByteArray>

#include <zlib.h>

#include <cstdint>
#include <vector>

struct RawZipEntry {
    // Local header.
    std::uint16_t localVersionNeeded = 0;
    std::uint16_t localFlags = 0;
    std::uint16_t localMethod = 0;
    std::uint32_t localDosTime = 0;
    std::uint32_t localCrc = 0;
    std::uint32_t localCompressed32 = 0;
    std::uint32_t localUncompressed32 = 0;
    QByteArray localName;
    QByteArray localExtra;
    // Central header.
    std::uint16_t versionMadeBy = 0;
    std::uint16_t versionNeeded = 0;
    std::uint16_t flags = 0;
    std::uint16_t method = 0;
    std::uint32_t dosTime = 0;
    std::uint32_t crc = 0;
    std::uint32_t compressed32 = 0;
    std::uint32_t uncompressed32 = 0;
    std::uint16_t diskStart = 0;
    std::uint16_t internalAttributes = 0;
    std::uint32_t externalAttributes = 0;
    QByteArray name;
    QByteArray extra;
    QByteArray comment;
    // Sizes and offset with zip64 values applied.
    std::uint64_t compressed = 0;
    std::uint64_t uncompressed = 0;
    std::uint64_t localOffset = 0;
    std::uint64_t dataOffset = 0;
};

struct RawZip {
    bool valid = false;
    std::vector<RawZipEntry> entries;
    bool zip64End = false;
    std::uint64_t centralOffset = 0;
    std::uint64_t centralSize = 0;
    QByteArray comment;
    // Local headers and data follow each other without gaps up to the central directory.
    bool contiguous = false;
};

namespace rawzip {

inline std::uint64_t Read(const QByteArray& bytes, std::uint64_t at, int width) {
    std::uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(static_cast<qsizetype>(at) + i));
    return value;
}

inline bool Fits(const QByteArray& bytes, std::uint64_t at, std::uint64_t length) {
    return at + length <= static_cast<std::uint64_t>(bytes.size());
}

// Applies the zip64 extended information of an extra field to the values set to all ones.
inline void ApplyZip64(const QByteArray& extra, bool uncompressed, bool compressed, bool offset,
                       std::uint64_t& uncompressedValue, std::uint64_t& compressedValue,
                       std::uint64_t* offsetValue) {
    std::uint64_t at = 0;
    while (at + 4 <= static_cast<std::uint64_t>(extra.size())) {
        const auto id = Read(extra, at, 2);
        const auto size = Read(extra, at + 2, 2);
        if (id == 0x0001) {
            std::uint64_t field = at + 4;
            if (uncompressed && field + 8 <= at + 4 + size) {
                uncompressedValue = Read(extra, field, 8);
                field += 8;
            }
            if (compressed && field + 8 <= at + 4 + size) {
                compressedValue = Read(extra, field, 8);
                field += 8;
            }
            if (offset && offsetValue && field + 8 <= at + 4 + size)
                *offsetValue = Read(extra, field, 8);
        }
        at += 4 + size;
    }
}

} // namespace rawzip

inline RawZip ParseRawZip(const QByteArray& bytes) {
    using rawzip::Fits;
    using rawzip::Read;
    RawZip zip;
    qsizetype end = bytes.size() - 22;
    while (end >= 0 && Read(bytes, static_cast<std::uint64_t>(end), 4) != 0x06054b50)
        --end;
    if (end < 0)
        return zip;
    const auto eocd = static_cast<std::uint64_t>(end);
    std::uint64_t entries = Read(bytes, eocd + 10, 2);
    zip.centralSize = Read(bytes, eocd + 12, 4);
    zip.centralOffset = Read(bytes, eocd + 16, 4);
    const auto commentLength = Read(bytes, eocd + 20, 2);
    if (!Fits(bytes, eocd + 22, commentLength))
        return zip;
    zip.comment =
        bytes.mid(static_cast<qsizetype>(eocd + 22), static_cast<qsizetype>(commentLength));
    if (eocd >= 20 && Read(bytes, eocd - 20, 4) == 0x07064b50) {
        const auto record = Read(bytes, eocd - 20 + 8, 8);
        if (!Fits(bytes, record, 56) || Read(bytes, record, 4) != 0x06064b50)
            return zip;
        zip.zip64End = true;
        entries = Read(bytes, record + 32, 8);
        zip.centralSize = Read(bytes, record + 40, 8);
        zip.centralOffset = Read(bytes, record + 48, 8);
    }

    std::uint64_t at = zip.centralOffset;
    for (std::uint64_t i = 0; i < entries; ++i) {
        if (!Fits(bytes, at, 46) || Read(bytes, at, 4) != 0x02014b50)
            return zip;
        RawZipEntry e;
        e.versionMadeBy = static_cast<std::uint16_t>(Read(bytes, at + 4, 2));
        e.versionNeeded = static_cast<std::uint16_t>(Read(bytes, at + 6, 2));
        e.flags = static_cast<std::uint16_t>(Read(bytes, at + 8, 2));
        e.method = static_cast<std::uint16_t>(Read(bytes, at + 10, 2));
        e.dosTime = static_cast<std::uint32_t>(Read(bytes, at + 12, 4));
        e.crc = static_cast<std::uint32_t>(Read(bytes, at + 16, 4));
        e.compressed32 = static_cast<std::uint32_t>(Read(bytes, at + 20, 4));
        e.uncompressed32 = static_cast<std::uint32_t>(Read(bytes, at + 24, 4));
        const auto nameLength = Read(bytes, at + 28, 2);
        const auto extraLength = Read(bytes, at + 30, 2);
        const auto commentLen = Read(bytes, at + 32, 2);
        e.diskStart = static_cast<std::uint16_t>(Read(bytes, at + 34, 2));
        e.internalAttributes = static_cast<std::uint16_t>(Read(bytes, at + 36, 2));
        e.externalAttributes = static_cast<std::uint32_t>(Read(bytes, at + 38, 4));
        const std::uint32_t offset32 = static_cast<std::uint32_t>(Read(bytes, at + 42, 4));
        if (!Fits(bytes, at + 46, nameLength + extraLength + commentLen))
            return zip;
        e.name = bytes.mid(static_cast<qsizetype>(at + 46), static_cast<qsizetype>(nameLength));
        e.extra = bytes.mid(static_cast<qsizetype>(at + 46 + nameLength),
                            static_cast<qsizetype>(extraLength));
        e.comment = bytes.mid(static_cast<qsizetype>(at + 46 + nameLength + extraLength),
                              static_cast<qsizetype>(commentLen));
        e.compressed = e.compressed32;
        e.uncompressed = e.uncompressed32;
        e.localOffset = offset32;
        rawzip::ApplyZip64(e.extra, e.uncompressed32 == 0xFFFFFFFF, e.compressed32 == 0xFFFFFFFF,
                           offset32 == 0xFFFFFFFF, e.uncompressed, e.compressed, &e.localOffset);

        const std::uint64_t local = e.localOffset;
        if (!Fits(bytes, local, 30) || Read(bytes, local, 4) != 0x04034b50)
            return zip;
        e.localVersionNeeded = static_cast<std::uint16_t>(Read(bytes, local + 4, 2));
        e.localFlags = static_cast<std::uint16_t>(Read(bytes, local + 6, 2));
        e.localMethod = static_cast<std::uint16_t>(Read(bytes, local + 8, 2));
        e.localDosTime = static_cast<std::uint32_t>(Read(bytes, local + 10, 4));
        e.localCrc = static_cast<std::uint32_t>(Read(bytes, local + 14, 4));
        e.localCompressed32 = static_cast<std::uint32_t>(Read(bytes, local + 18, 4));
        e.localUncompressed32 = static_cast<std::uint32_t>(Read(bytes, local + 22, 4));
        const auto localNameLength = Read(bytes, local + 26, 2);
        const auto localExtraLength = Read(bytes, local + 28, 2);
        if (!Fits(bytes, local + 30, localNameLength + localExtraLength))
            return zip;
        e.localName =
            bytes.mid(static_cast<qsizetype>(local + 30), static_cast<qsizetype>(localNameLength));
        e.localExtra = bytes.mid(static_cast<qsizetype>(local + 30 + localNameLength),
                                 static_cast<qsizetype>(localExtraLength));
        e.dataOffset = local + 30 + localNameLength + localExtraLength;
        if (!Fits(bytes, e.dataOffset, e.compressed))
            return zip;
        at += 46 + nameLength + extraLength + commentLen;
        zip.entries.push_back(e);
    }
    zip.valid = at == zip.centralOffset + zip.centralSize;
    std::uint64_t next = 0;
    for (const RawZipEntry& e : zip.entries) {
        if (e.localOffset != next)
            return zip;
        next = e.dataOffset + e.compressed;
    }
    zip.contiguous = next == zip.centralOffset;
    return zip;
}

// Inflates the entry's raw deflate stream, handing each piece of output to sink; false when
// the stream does not end cleanly at the entry's compressed size.
template <typename Sink>
inline bool InflateRawEntryInto(const QByteArray& archive, const RawZipEntry& entry, Sink sink) {
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    std::vector<Bytef> buffer(1 << 20);
    stream.next_in = reinterpret_cast<Bytef*>(
        const_cast<char*>(archive.constData() + static_cast<qsizetype>(entry.dataOffset)));
    stream.avail_in = static_cast<uInt>(entry.compressed);
    int result = Z_OK;
    while (result == Z_OK) {
        stream.next_out = buffer.data();
        stream.avail_out = static_cast<uInt>(buffer.size());
        result = inflate(&stream, Z_NO_FLUSH);
        sink(buffer.data(), buffer.size() - stream.avail_out);
    }
    const bool complete = result == Z_STREAM_END && stream.avail_in == 0;
    inflateEnd(&stream);
    return complete;
}

// The entry's data inflated; empty when it does not inflate cleanly.
inline QByteArray InflateRawEntry(const QByteArray& archive, const RawZipEntry& entry) {
    QByteArray output;
    const bool complete =
        InflateRawEntryInto(archive, entry, [&output](const Bytef* data, std::size_t length) {
            output.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
        });
    return complete ? output : QByteArray();
}
