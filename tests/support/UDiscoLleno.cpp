#include "support/UDiscoLleno.h"

#include <QFile>

#ifdef __linux__
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#endif

TDiscoLleno::TDiscoLleno(int kilobytes) {
#ifdef __linux__
    if (!dir_.isValid()) {
        reason_ = QStringLiteral("no temporary folder");
        return;
    }
    // The mount stays inside this process: the rest of the machine never sees it.
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        reason_ = QStringLiteral("cannot make a private mount namespace: ") +
                  QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                options.constData()) != 0) {
        reason_ = QStringLiteral("cannot mount a small tmpfs: ") +
                  QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    mounted_ = true;
#else
    Q_UNUSED(kilobytes);
    reason_ = QStringLiteral("a full file system is only simulated on Linux");
#endif
}

TDiscoLleno::~TDiscoLleno() {
#ifdef __linux__
    if (mounted_)
        ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
#endif
}

bool TDiscoLleno::Fill() {
#ifdef __linux__
    const int handle = ::open(QFile::encodeName(PathOf(QStringLiteral("relleno"))).constData(),
                              O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (handle < 0)
        return false;
    char block[4096] = {};
    for (size_t size = sizeof block; size > 0; size /= 2)
        while (::write(handle, block, size) == ssize_t(size)) {
        }
    ::close(handle);
    return errno == ENOSPC;
#else
    return false;
#endif
}
