#include "support/UArchivoEsperado.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>

void ExpectSameAsGolden(const QByteArray& actual, const char* name) {
    const QString path = QStringLiteral(VELORN_GOLDEN "/") + QLatin1String(name);
    QFile golden(path);
    if (qEnvironmentVariableIsSet("VELORN_ACTUALIZAR_GOLDEN")) {
        ASSERT_TRUE(golden.open(QIODevice::WriteOnly)) << path.toStdString();
        golden.write(actual);
        return;
    }
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray expected = golden.readAll();
    if (actual == expected)
        return;
    qsizetype at = 0;
    while (at < actual.size() && at < expected.size() && actual.at(at) == expected.at(at))
        ++at;
    const qsizetype from = std::max<qsizetype>(0, at - 60);
    ADD_FAILURE() << name << " differs at byte " << at << " (line "
                  << actual.left(at).count('\n') + 1
                  << ")\n  written:  " << actual.mid(from, 120).toStdString()
                  << "\n  expected: " << expected.mid(from, 120).toStdString();
}
