#include "document/UCarpetaTrabajo.h"
#include "ortografia/UOrtografia.h"
#include "ortografia/UUbicacionDiccionarios.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Crear(const QString& carpeta, const QStringList& nombres) {
    QDir().mkpath(carpeta);
    for (const QString& nombre : nombres) {
        for (const char* extension : {".aff", ".dic"}) {
            QFile file(carpeta + QLatin1Char('/') + nombre + QLatin1String(extension));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
}

} // namespace

// Argentina's Spanish wherever it is, else Spain's, else any other Spanish; English is the
// United States'. The bundle's folder wins for the same dictionary; a lone ".aff" is no
// dictionary.
TEST(UbicacionDiccionarios, PrefersArgentinaThenAnySpanish) {
    const struct {
        const char* caso;
        QStringList programa;
        QStringList sistema;
        QString espanol;
        QString ingles;
    } casos[] = {
        {"both beside the program",
         {"es_AR", "en_US"},
         {"es_AR", "en_US"},
         "programa/es_AR.aff",
         "programa/en_US.aff"},
        {"Argentina's in the system",
         {"es_ES"},
         {"es_AR", "en_US"},
         "sistema/es_AR.aff",
         "sistema/en_US.aff"},
        {"Spain's before others", {"es_MX", "es_ES"}, {}, "programa/es_ES.aff", ""},
        {"any other Spanish", {"fr_FR"}, {"es_UY", "es_CL"}, "sistema/es_CL.aff", ""},
        {"plain Spanish", {"es"}, {}, "programa/es.aff", ""},
        {"none", {"fr_FR", "en_GB"}, {}, "", ""},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        QTemporaryDir dir;
        Crear(dir.filePath(QStringLiteral("programa")), caso.programa);
        Crear(dir.filePath(QStringLiteral("sistema")), caso.sistema);
        SetCarpetasDiccionarios(
            {dir.filePath(QStringLiteral("programa")), dir.filePath(QStringLiteral("sistema"))});
        const auto relativo = [&dir](const QString& path) {
            return path.isEmpty() ? path : QDir(dir.path()).relativeFilePath(path);
        };
        EXPECT_EQ(relativo(BuscarDiccionario(TIdioma::Espanol)), caso.espanol);
        EXPECT_EQ(relativo(BuscarDiccionario(TIdioma::Ingles)), caso.ingles);
    }
    QTemporaryDir dir;
    QFile sola(dir.filePath(QStringLiteral("es_AR.aff")));
    ASSERT_TRUE(sola.open(QIODevice::WriteOnly));
    SetCarpetasDiccionarios({dir.path()});
    EXPECT_EQ(BuscarDiccionario(TIdioma::Espanol), QString());
    SetCarpetasDiccionarios({});
}

// Without a dictionary nothing is checked, and nothing fails.
TEST(UbicacionDiccionarios, NoDictionaryNoChecker) {
    QTemporaryDir dir;
    SetCarpetasDiccionarios({dir.path()});
    TOrtografia ortografia;
    EXPECT_EQ(ortografia.Revisor(TIdioma::Espanol), nullptr);
    EXPECT_EQ(ortografia.Revisor(TIdioma::Ingles), nullptr);
    SetCarpetasDiccionarios({});
}

// The bundle's dictionaries, beside the program, before any of the system's.
TEST(UbicacionDiccionarios, TheProgramsFolderComesFirst) {
    SetWorkingFolder(QStringLiteral("/opt/velorn"));
    const QStringList carpetas = CarpetasDiccionarios();
    SetWorkingFolder(QString());
    ASSERT_FALSE(carpetas.isEmpty());
    EXPECT_EQ(carpetas.first(), QStringLiteral("/opt/velorn/diccionarios/"));
}
