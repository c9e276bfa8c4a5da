#pragma once

#include <QString>
#include <QTemporaryDir>

// A small file system of its own, mounted on a temporary folder and filled to the last byte,
// so that every write into it fails as on a full disk. Mounting needs a private mount
// namespace (Linux, root or CAP_SYS_ADMIN); where that is not possible, Reason() says why and
// the test skips.
class TDiscoLleno {
  public:
    explicit TDiscoLleno(int kilobytes);
    ~TDiscoLleno();
    TDiscoLleno(const TDiscoLleno&) = delete;
    TDiscoLleno& operator=(const TDiscoLleno&) = delete;

    bool IsMounted() const { return mounted_; }
    QString Reason() const { return reason_; }
    QString PathOf(const QString& name) const { return dir_.filePath(name); }
    // Takes every free byte with a file of its own.
    bool Fill();

  private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString reason_;
};
