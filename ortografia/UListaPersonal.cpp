#include "ortografia/UListaPersonal.h"

#include "document/UArchivoAtomico.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TListaPersonal::TListaPersonal(const QString& path) : path_(path) {
    Leer();
}

void TListaPersonal::Leer() {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // A list edited by hand may end its lines with CR LF.
    for (const QByteArray& line : file.readAll().split('\n'))
        Sumar(QString::fromUtf8(line).trimmed());
}

void TListaPersonal::Sumar(const QString& palabra) {
    const QString normal = palabra.normalized(QString::NormalizationForm_C);
    if (normal.isEmpty() || conjunto_.contains(normal))
        return;
    conjunto_.insert(normal);
    palabras_.append(normal);
}

bool TListaPersonal::Agregar(const QString& palabra, QString* error) {
    Leer();
    Sumar(palabra);
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        if (error)
            *error = QStringLiteral("No se pudo crear la carpeta %1.")
                         .arg(QDir::toNativeSeparators(QFileInfo(path_).absolutePath()));
        return false;
    }
    QByteArray bytes;
    for (const QString& word : palabras_)
        bytes += word.toUtf8() + '\n';
    return TArchivoAtomico::WriteFile(path_, bytes, error);
}
