#include "document/USistemaArchivos.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#endif

namespace {
#ifdef Q_OS_WIN
std::wstring NativePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}
#endif
} // namespace

bool SyncToDisk(int handle) {
#ifdef Q_OS_UNIX
    if (handle < 0)
        return false;
    while (::fsync(handle) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
#elif defined(Q_OS_WIN)
    const auto native = reinterpret_cast<HANDLE>(::_get_osfhandle(handle));
    return handle >= 0 && native != INVALID_HANDLE_VALUE && ::FlushFileBuffers(native) != 0;
#else
    Q_UNUSED(handle);
    return true;
#endif
}

qint64 SizeOnDisk(int handle) {
#ifdef Q_OS_UNIX
    struct stat status {};
    if (handle < 0 || ::fstat(handle, &status) != 0)
        return -1;
    return qint64(status.st_size);
#elif defined(Q_OS_WIN)
    struct _stat64 status {};
    if (handle < 0 || ::_fstat64(handle, &status) != 0)
        return -1;
    return qint64(status.st_size);
#else
    Q_UNUSED(handle);
    return -1;
#endif
}

void SyncFolder(const QString& folder) {
#ifdef Q_OS_UNIX
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
#else
    // NTFS records a rename in its journal; a folder cannot be synced there.
    Q_UNUSED(folder);
#endif
}

bool HardLink(const QString& existing, const QString& newName) {
#ifdef Q_OS_UNIX
    return ::link(QFile::encodeName(existing).constData(),
                  QFile::encodeName(newName).constData()) == 0;
#elif defined(Q_OS_WIN)
    return ::CreateHardLinkW(NativePath(newName).c_str(), NativePath(existing).c_str(), nullptr) !=
           0;
#else
    Q_UNUSED(existing);
    Q_UNUSED(newName);
    return false;
#endif
}

bool WaitUntilReplaceable(const QString& path) {
#ifdef Q_OS_WIN
    // A file another program holds open without sharing its deletion cannot be replaced. An
    // antivirus or an indexer holds it for a moment: wait for it a little before giving up.
    constexpr int kAttempts = 20;
    constexpr int kPauseMs = 100;
    for (int attempt = 0;; ++attempt) {
        const HANDLE probe = ::CreateFileW(NativePath(path).c_str(), DELETE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (probe != INVALID_HANDLE_VALUE) {
            ::CloseHandle(probe);
            return true;
        }
        const DWORD error = ::GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION)
            return true; // missing, or refused for another reason the replacement reports
        if (attempt + 1 >= kAttempts)
            return false;
        QThread::msleep(kPauseMs);
    }
#else
    // Elsewhere an open file never stops its replacement.
    Q_UNUSED(path);
    return true;
#endif
}
