#include "ui_support/UInstalacionMuestra.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

bool CopySampleInstallation(const QString& folder) {
    const QString from =
        QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../data");
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    bool any = false;
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = folder + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        if (!QDir().mkpath(QFileInfo(target).absolutePath()))
            return false;
        QFile::remove(target);
        if (!QFile::copy(source, target))
            return false;
        any = true;
    }
    return any;
}
