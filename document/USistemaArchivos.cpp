#include "document/USistemaArchivos.h"

#include <QFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool SyncToDisk(int handle) {
#ifdef Q_OS_UNIX
    if (handle < 0)
        return false;
    while (::fsync(handle) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
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
    Q_UNUSED(folder);
#endif
}

bool HardLink(const QString& existing, const QString& newName) {
#ifdef Q_OS_UNIX
    return ::link(QFile::encodeName(existing).constData(),
                  QFile::encodeName(newName).constData()) == 0;
#else
    Q_UNUSED(existing);
    Q_UNUSED(newName);
    return false;
#endif
}
