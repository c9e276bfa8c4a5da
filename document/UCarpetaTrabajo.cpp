#include "document/UCarpetaTrabajo.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& OverriddenFolder() {
    static QString folder;
    return folder;
}

QString WithTrailingSeparator(const QString& folder) {
    QString result = QDir::fromNativeSeparators(folder);
    if (!result.endsWith(QLatin1Char('/')))
        result += QLatin1Char('/');
    return result;
}
} // namespace

QString WorkingFolder() {
    if (!OverriddenFolder().isEmpty())
        return OverriddenFolder();
    return WithTrailingSeparator(QCoreApplication::applicationDirPath());
}

void SetWorkingFolder(const QString& folder) {
    OverriddenFolder() = folder.isEmpty() ? QString() : WithTrailingSeparator(folder);
}
