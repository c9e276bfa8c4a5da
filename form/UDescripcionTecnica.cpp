#include "form/UDescripcionTecnica.h"

#include "document/UArchivoAtomico.h"
#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kNodo = QStringLiteral("descripcionTecnica/");
const QString kArchivo = QStringLiteral("file");

} // namespace

QString TDescripcionTecnica::Carpeta() {
    return WorkingFolder() + Entrada(QString());
}

QString TDescripcionTecnica::Ruta(const QString& nombre) {
    return Carpeta() + nombre;
}

QString TDescripcionTecnica::NombreGuardado(TXMLProject& project) {
    return project.GetAttribute(kNodo, kArchivo, QString());
}

void TDescripcionTecnica::GuardarNombre(TXMLProject& project, const QString& nombre) {
    project.SetAttribute(kNodo, kArchivo, nombre);
}

bool TDescripcionTecnica::EstaAdjunta(const QString& nombre) {
    return EsNombreSimple(nombre) && QFileInfo(Ruta(nombre)).isFile();
}

bool TDescripcionTecnica::EsNombreSimple(const QString& nombre) {
    return !nombre.isEmpty() && QFileInfo(nombre).fileName() == nombre;
}

QString TDescripcionTecnica::Entrada(const QString& nombre) {
    return QStringLiteral("desctec/") + nombre;
}

bool TDescripcionTecnica::EsLaCopia(const QString& elegido, const QString& nombre) {
    const QString canonical = QFileInfo(elegido).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(Ruta(nombre)).canonicalFilePath();
}

bool TDescripcionTecnica::Copiar(const QString& elegido, const QString& nombre) {
    return QDir().mkpath(Carpeta()) && TArchivoAtomico::CopyFile(elegido, Ruta(nombre), nullptr);
}

void TDescripcionTecnica::Quitar(const QString& nombre) {
    QFile::remove(Ruta(nombre));
}
