#pragma once

#include <QDateTime>
#include <QSaveFile>
#include <QString>

// A file replaced as a whole: the new content goes into a temporary file beside it and takes
// the file's name only once every byte is known to be on disk (written, flushed, synced, and
// the size on disk checked). Until then, and whenever anything fails, the old file stays as it
// was and no partial file remains. Every writer of the program's files goes through here.
class TArchivoAtomico {
  public:
    explicit TArchivoAtomico(const QString& path);
    ~TArchivoAtomico(); // drops the temporary file unless committed
    TArchivoAtomico(const TArchivoAtomico&) = delete;
    TArchivoAtomico& operator=(const TArchivoAtomico&) = delete;

    bool Open();
    // Writes at the current position; false once any write fell short.
    bool Write(const char* data, qint64 size);
    bool Seek(qint64 position);
    // Drops everything from position on and continues writing there.
    bool Truncate(qint64 position);
    qint64 Pos() const;
    // The size of the content written so far.
    qint64 Size() const { return end_; }
    // Applied to the file when it is committed.
    void SetModificationTime(const QDateTime& time) { modified_ = time; }
    // Puts the complete file in place of the old one; false when any step failed, and then
    // nothing changed on disk.
    bool Commit();
    // Why the last step failed, for the user.
    QString ErrorString() const;

    // Writes bytes as the whole new content of path.
    static bool WriteFile(const QString& path, const QByteArray& bytes, QString* error);
    // Copies source over target, keeping the source's modification time.
    static bool CopyFile(const QString& source, const QString& target, QString* error);

  private:
    void Fail(const QString& reason);

    QSaveFile file_;
    qint64 end_ = 0;
    bool failed_ = false;
    QString error_;
    QDateTime modified_;
};
