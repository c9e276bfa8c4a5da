#include "document/UBloqueoCarpeta.h"

#include <QDir>
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
