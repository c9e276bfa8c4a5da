#include "document/UBloqueoCarpeta.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

TBloqueoCarpeta::TBloqueoCarpeta(const QString& folder)
    : folder_(folder), lock_(std::make_unique<QLockFile>(QDir(folder).filePath(NombreArchivo()))) {
    // Only a dead holder makes a lock stale: a program left open for days still holds it.
    lock_->setStaleLockTime(0);
}

TBloqueoCarpeta::~TBloqueoCarpeta() = default;

QString TBloqueoCarpeta::NombreArchivo() {
    return QStringLiteral("velorn.lock");
}

bool TBloqueoCarpeta::Tomar() {
    // A lock whose holder is gone (its process ended, or the machine was switched off and
    // started again) is stale, and QLockFile takes it over by itself.
    if (lock_->tryLock(0))
        return true;
    // A program killed between creating the lock and writing who it is leaves a file nobody
    // can read, which QLockFile never takes as stale: the folder would stay closed for good.
    // Once such a file is a few seconds old (older than any start in progress), it is removed,
    // which the system refuses while a living program still holds it open.
    qint64 pid = 0;
    QString hostname;
    QString appname;
    if (lock_->error() != QLockFile::LockFailedError ||
        lock_->getLockInfo(&pid, &hostname, &appname))
        return false;
    const QFileInfo archivo(QDir(folder_).filePath(NombreArchivo()));
    const qint64 edad = archivo.lastModified().secsTo(QDateTime::currentDateTime());
    if (!archivo.exists() || edad < kSegundosSinDueno || !lock_->removeStaleLockFile())
        return false;
    return lock_->tryLock(0);
}

QString TBloqueoCarpeta::Ocupante() const {
    qint64 pid = 0;
    QString hostname;
    QString appname;
    if (!lock_->getLockInfo(&pid, &hostname, &appname))
        return QStringLiteral("otro programa");
    return QStringLiteral("el programa %1 (proceso %2) en el equipo \"%3\"")
        .arg(appname.isEmpty() ? QStringLiteral("velorn") : appname)
        .arg(pid)
        .arg(hostname);
}

QString TBloqueoCarpeta::MensajeOcupada() const {
    return QStringLiteral("La carpeta \"%1\" ya está en uso por %2. Cierre ese programa antes de "
                          "abrir el formulario; no se modificó ningún archivo.")
        .arg(QDir::toNativeSeparators(folder_), Ocupante());
}
