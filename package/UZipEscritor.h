#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

class TArchivoAtomico;

// What the archive records of one entry besides its data.
struct TZipEncabezado {
    QByteArray name; // UTF-8, "/" as separator
    std::uint32_t dosDateTime = 0;
    std::uint32_t externalAttributes = 0;
};

// Writes the records of a zip archive around deflated data that the caller supplies: local
// headers (patched with CRC and sizes once an entry's data are complete, so no data
// descriptor), the central directory and its end records. Every entry is made by MS-DOS
// (version made by 0). An entry uses zip64 exactly when a size or its offset needs it, and then
// its local and central headers both say so (the caller decides by the sizes); a name outside ASCII
// carries the UTF-8 flag and Info-ZIP's Unicode Path field, which unzip programs read where they
// ignore the flag.
class TZipEscritor {
  public:
    explicit TZipEscritor(TArchivoAtomico& file);

    // Starts an entry at the current end of the archive; false when the file failed.
    bool BeginEntry(const TZipEncabezado& header, bool zip64);
    // Whether the entry begun would need zip64 for its offset alone.
    bool OffsetNeedsZip64() const;
    // Appends deflated data to the entry.
    bool WriteData(const unsigned char* data, std::size_t size);
    // Compressed bytes of the entry so far.
    std::uint64_t Compressed() const { return compressed_; }
    // Drops the entry begun, to start it again (with zip64).
    bool DropEntry();
    // Completes the entry's local header. Whether the entry needed zip64 is the caller's
    // choice, made before BeginEntry and corrected with DropEntry.
    bool EndEntry(std::uint32_t crc, std::uint64_t uncompressed);
    // Writes the central directory and the end records.
    bool Finish();

  private:
    struct Entrada {
        TZipEncabezado header;
        bool zip64 = false;
        std::uint64_t offset = 0;
        std::uint32_t crc = 0;
        std::uint64_t compressed = 0;
        std::uint64_t uncompressed = 0;
    };

    static void PutSharedFields(QByteArray& out, const Entrada& entry, const QByteArray& extra);
    QByteArray LocalHeader(const Entrada& entry) const;
    QByteArray CentralHeader(const Entrada& entry) const;
    bool Append(const QByteArray& bytes);

    TArchivoAtomico& file_;
    std::vector<Entrada> entries_;
    Entrada current_;
    std::uint64_t compressed_ = 0;
};
