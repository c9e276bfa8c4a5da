#include "document/UArchivoAtomico.h"

#include "document/USistemaArchivos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {
constexpr qint64 kCopyBlock = 65536;
} // namespace

TArchivoAtomico::TArchivoAtomico(const QString& path) : file_(path) {}

TArchivoAtomico::~TArchivoAtomico() {
    if (file_.isOpen())
        file_.cancelWriting();
}

void TArchivoAtomico::Fail(const QString& reason) {
    if (!failed_)
        error_ = reason;
    failed_ = true;
}

bool TArchivoAtomico::Open() {
    // Unbuffered: every write reaches the file system at once and reports its own failure,
    // instead of a last buffer whose failed flush nobody hears of.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        Fail(file_.errorString());
        return false;
    }
    return true;
}

bool TArchivoAtomico::Write(const char* data, qint64 size) {
    if (failed_ || !file_.isOpen())
        return false;
    const qint64 at = file_.pos();
    const qint64 written = file_.write(data, size);
    if (written != size) {
        Fail(written < 0 ? file_.errorString()
                         : QStringLiteral("Solo se escribieron %1 de %2 bytes.")
                               .arg(std::max<qint64>(written, 0))
                               .arg(size));
        return false;
    }
    end_ = std::max(end_, at + size);
    return true;
}

bool TArchivoAtomico::Seek(qint64 position) {
    if (failed_ || !file_.seek(position)) {
        Fail(file_.errorString());
        return false;
    }
    return true;
}

bool TArchivoAtomico::Truncate(qint64 position) {
    if (failed_ || !file_.resize(position) || !file_.seek(position)) {
        Fail(file_.errorString());
        return false;
    }
    end_ = position;
    return true;
}

qint64 TArchivoAtomico::Pos() const {
    return file_.pos();
}

bool TArchivoAtomico::Commit() {
    if (!file_.isOpen() && !failed_)
        Fail(QStringLiteral("El archivo no está abierto."));
    if (!failed_ && !file_.flush())
        Fail(file_.errorString());
    if (!failed_ && !SyncToDisk(file_.handle()))
        Fail(QStringLiteral("No se pudo asegurar el contenido en el disco."));
    // A file system that took the bytes but kept fewer of them must not replace the old file.
    const qint64 onDisk = failed_ ? -1 : SizeOnDisk(file_.handle());
    if (!failed_ && onDisk >= 0 && onDisk != end_)
        Fail(QStringLiteral("El archivo tiene %1 bytes en el disco en lugar de %2.")
                 .arg(onDisk)
                 .arg(end_));
    if (failed_) {
        if (file_.isOpen())
            file_.cancelWriting();
        return false;
    }
    if (modified_.isValid())
        file_.setFileTime(modified_, QFileDevice::FileModificationTime);
    if (!WaitUntilReplaceable(file_.fileName())) {
        Fail(QStringLiteral("Otro programa tiene abierto el archivo \"%1\" y no deja "
                            "reemplazarlo; ciérrelo y vuelva a intentarlo.")
                 .arg(QDir::toNativeSeparators(file_.fileName())));
        file_.cancelWriting();
        return false;
    }
    if (!file_.commit()) {
        Fail(file_.errorString());
        return false;
    }
    SyncFolder(QFileInfo(file_.fileName()).absolutePath());
    return true;
}

QString TArchivoAtomico::ErrorString() const {
    return error_;
}

bool TArchivoAtomico::WriteFile(const QString& path, const QByteArray& bytes, QString* error) {
    TArchivoAtomico file(path);
    const bool done = file.Open() && file.Write(bytes.constData(), bytes.size()) && file.Commit();
    if (!done && error)
        *error = file.ErrorString();
    return done;
}

bool TArchivoAtomico::CopyFile(const QString& source, const QString& target, QString* error) {
    const QFileInfo info(source);
    QFile input(source);
    if (!info.isFile() || !input.open(QIODevice::ReadOnly)) {
        if (error)
            *error = input.errorString();
        return false;
    }
    TArchivoAtomico output(target);
    output.SetModificationTime(info.lastModified());
    if (!output.Open()) {
        if (error)
            *error = output.ErrorString();
        return false;
    }
    QByteArray block(kCopyBlock, Qt::Uninitialized);
    for (;;) {
        const qint64 read = input.read(block.data(), kCopyBlock);
        if (read < 0)
            output.Fail(input.errorString());
        if (read <= 0 || !output.Write(block.constData(), read))
            break;
    }
    const bool done = output.Commit();
    if (!done && error)
        *error = output.ErrorString();
    return done;
}
