#pragma once

// Reads a zip archive back through minizip's reader, entry by entry.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <minizip/unzip.h>

#include <cstdint>
#include <vector>

struct UnzippedEntry {
    QByteArray name;
    unz_file_info64 info{};
    QByteArray extra;
    QByteArray content; // kept only for entries smaller than the reader's limit
    std::uint64_t length = 0;
    uLong crc = 0;
    int openResult = UNZ_OK;
    int readResult = UNZ_OK;
    int closeResult = UNZ_OK; // UNZ_CRCERROR when the data do not match the stored CRC
};

struct UnzippedArchive {
    bool opened = false;
    std::uint64_t count = 0;
    QByteArray comment;
    std::vector<UnzippedEntry> entries;
};

inline UnzippedArchive Unzip(const QString& path, std::uint64_t keepBelow = 64u << 20) {
    UnzippedArchive archive;
    const QByteArray encoded = QFile::encodeName(path);
    unzFile zip = unzOpen64(encoded.constData());
    if (!zip)
        return archive;
    archive.opened = true;
    unz_global_info64 global{};
    unzGetGlobalInfo64(zip, &global);
    archive.count = global.number_entry;
    std::vector<char> comment(global.size_comment + 1);
    unzGetGlobalComment(zip, comment.data(), static_cast<uLong>(comment.size()));
    archive.comment = QByteArray(comment.data(), static_cast<qsizetype>(global.size_comment));

    std::vector<char> buffer(1 << 16);
    for (int result = unzGoToFirstFile(zip); result == UNZ_OK; result = unzGoToNextFile(zip)) {
        UnzippedEntry entry;
        char name[1024] = {};
        char extra[1024] = {};
        unzGetCurrentFileInfo64(zip, &entry.info, name, sizeof name, extra, sizeof extra, nullptr,
                                0);
        entry.name = QByteArray(name, static_cast<qsizetype>(entry.info.size_filename));
        entry.extra = QByteArray(extra, static_cast<qsizetype>(entry.info.size_file_extra));
        entry.crc = crc32(0, nullptr, 0);
        entry.openResult = unzOpenCurrentFile(zip);
        if (entry.openResult == UNZ_OK) {
            int read = 0;
            while ((read = unzReadCurrentFile(zip, buffer.data(),
                                              static_cast<unsigned>(buffer.size()))) > 0) {
                entry.crc = crc32(entry.crc, reinterpret_cast<const Bytef*>(buffer.data()),
                                  static_cast<uInt>(read));
                entry.length += static_cast<std::uint64_t>(read);
                if (entry.info.uncompressed_size < keepBelow)
                    entry.content.append(buffer.data(), read);
            }
            entry.readResult = read;
            entry.closeResult = unzCloseCurrentFile(zip);
        }
        archive.entries.push_back(entry);
    }
    unzClose(zip);
    return archive;
}
