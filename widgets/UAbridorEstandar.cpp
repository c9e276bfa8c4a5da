#include "widgets/UAbridorEstandar.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

void TAbridorEstandar::StartProgram(const QString& program, const QString& argument) {
    QProcess::startDetached(program, {argument});
}

void TAbridorEstandar::OpenWithDefault(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
