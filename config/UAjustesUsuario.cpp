#include "config/UAjustesUsuario.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString& OverriddenFolder() {
    static QString folder;
    return folder;
}

const QString kRevisarOrtografia = QStringLiteral("ortografia/revisar");

// An INI file in the settings folder on every system (not the Windows registry), so that one
// folder holds all the user's settings and a test can move them all.
QSettings Ajustes() {
    return QSettings(CarpetaAjustesUsuario() + QStringLiteral("velorn.ini"), QSettings::IniFormat);
}

} // namespace

QString CarpetaAjustesUsuario() {
    QString folder = OverriddenFolder();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    folder = QDir::fromNativeSeparators(folder);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void SetCarpetaAjustesUsuario(const QString& folder) {
    OverriddenFolder() = folder;
}

bool RevisarOrtografia() {
    return Ajustes().value(kRevisarOrtografia, true).toBool();
}

void SetRevisarOrtografia(bool revisar) {
    Ajustes().setValue(kRevisarOrtografia, revisar);
}
