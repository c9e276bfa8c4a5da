#include "ortografia/UUbicacionDiccionarios.h"

#include "config/UAjustesUsuario.h"
#include "document/UCarpetaTrabajo.h"

#include <QDir>
#include <QFileInfo>

namespace {

QStringList& Reemplazo() {
    static QStringList carpetas;
    return carpetas;
}

bool Existe(const QString& aff) {
    return QFileInfo(aff).isFile() && QFileInfo(ArchivoDic(aff)).isFile();
}

} // namespace

QStringList CarpetasDiccionarios() {
    if (!Reemplazo().isEmpty())
        return Reemplazo();
    QStringList carpetas = {WorkingFolder() + QStringLiteral("diccionarios/")};
#ifndef Q_OS_WIN
    carpetas.append(QStringLiteral("/usr/share/hunspell/"));
#endif
    return carpetas;
}

void SetCarpetasDiccionarios(const QStringList& carpetas) {
    Reemplazo().clear();
    for (QString carpeta : carpetas) {
        carpeta = QDir::fromNativeSeparators(carpeta);
        if (!carpeta.endsWith(QLatin1Char('/')))
            carpeta += QLatin1Char('/');
        Reemplazo().append(carpeta);
    }
}

QString BuscarDiccionario(TIdioma idioma) {
    const QStringList carpetas = CarpetasDiccionarios();
    const QStringList preferidos =
        idioma == TIdioma::Espanol ? QStringList{QStringLiteral("es_AR"), QStringLiteral("es_ES")}
                                   : QStringList{QStringLiteral("en_US")};
    for (const QString& nombre : preferidos) {
        for (const QString& carpeta : carpetas) {
            if (Existe(carpeta + nombre + QStringLiteral(".aff")))
                return carpeta + nombre + QStringLiteral(".aff");
        }
    }
    if (idioma != TIdioma::Espanol)
        return QString();
    // Any other Spanish: "es_MX.aff", "es.aff", ...
    for (const QString& carpeta : carpetas) {
        const QStringList otros = QDir(carpeta).entryList(
            {QStringLiteral("es.aff"), QStringLiteral("es_*.aff")}, QDir::Files, QDir::Name);
        for (const QString& otro : otros) {
            if (Existe(carpeta + otro))
                return carpeta + otro;
        }
    }
    return QString();
}

QString ArchivoDic(const QString& aff) {
    QString dic = aff;
    return dic.replace(dic.size() - 4, 4, QStringLiteral(".dic"));
}

QString RutaListaPersonal(TIdioma idioma) {
    return CarpetaAjustesUsuario() + (idioma == TIdioma::Espanol
                                          ? QStringLiteral("diccionario-personal-es.txt")
                                          : QStringLiteral("diccionario-personal-en.txt"));
}
