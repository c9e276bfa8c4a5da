#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Progress of writing a package: bytes of the sources read so far, and their total size.
using TZipProgress = std::function<void(qint64 done, qint64 total)>;

// Writes the submission package: a zip archive whose entries are deflated at zlib's default
// level and named after the sources' paths relative to the working folder.
class TKZip {
  public:
    // An entry whose size or deflated size reaches this uses the zip64 extension in both of its
    // headers; every other entry is a plain one (version needed 20, no zip64 field).
    static constexpr qint64 kZip64Limit = 0xFFFFFFFF;

    TKZip() = default;
    // A lower zip64 limit, so that the choice can be tested on small files.
    explicit TKZip(qint64 zip64Limit) : zip64Limit_(zip64Limit) {}

    // The path of the archive last written.
    const QString& FileName() const { return fileName_; }

    // Writes a new archive at path holding the first count sources, in list order; an
    // existing file at path is replaced. Raises EZipError when anything fails (a source
    // that cannot be read, a destination that cannot be written, a write error of the
    // archive); the previous file at path, if any, is then left as it was and no partial
    // archive remains. progress, when given, is called on this thread as the sources are
    // read, at least once per MiB and at the end of each source.
    void ZipFiles(const QString& path, int count, const QStringList& sources,
                  const TZipProgress& progress = {});

  private:
    QString fileName_;
    qint64 zip64Limit_ = kZip64Limit;
};
