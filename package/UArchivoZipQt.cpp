#include "package/UArchivoZipQt.h"

#include <QFile>

namespace {

QFile* Archivo(voidpf stream) {
    return static_cast<QFile*>(stream);
}

voidpf Abrir(voidpf, const void* path, int mode) {
    QIODevice::OpenMode openMode;
    if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) == ZLIB_FILEFUNC_MODE_READ)
        openMode = QIODevice::ReadOnly;
    else if (mode & ZLIB_FILEFUNC_MODE_EXISTING)
        openMode = QIODevice::ReadWrite;
    else
        openMode = QIODevice::WriteOnly | QIODevice::Truncate;
    auto* file = new QFile(*static_cast<const QString*>(path));
    if (!file->open(openMode)) {
        delete file;
        return nullptr;
    }
    return file;
}

uLong Leer(voidpf, voidpf stream, void* buffer, uLong size) {
    const qint64 read = Archivo(stream)->read(static_cast<char*>(buffer), qint64(size));
    return read < 0 ? 0 : uLong(read);
}

uLong Escribir(voidpf, voidpf stream, const void* buffer, uLong size) {
    const qint64 written = Archivo(stream)->write(static_cast<const char*>(buffer), qint64(size));
    return written < 0 ? 0 : uLong(written);
}

ZPOS64_T Posicion(voidpf, voidpf stream) {
    return ZPOS64_T(Archivo(stream)->pos());
}

long Ir(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    QFile* file = Archivo(stream);
    qint64 base = 0;
    switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET:
        break;
    case ZLIB_FILEFUNC_SEEK_CUR:
        base = file->pos();
        break;
    case ZLIB_FILEFUNC_SEEK_END:
        base = file->size();
        break;
    default:
        return -1;
    }
    // minizip passes a backward move from the end as a wrapped unsigned offset.
    const qint64 target = base + qint64(offset);
    return target >= 0 && file->seek(target) ? 0 : -1;
}

int Cerrar(voidpf, voidpf stream) {
    delete Archivo(stream);
    return 0;
}

int Error(voidpf, voidpf stream) {
    return Archivo(stream)->error() == QFileDevice::NoError ? 0 : 1;
}

} // namespace

zlib_filefunc64_def TArchivoZipQt::Funciones() {
    zlib_filefunc64_def funciones{};
    funciones.zopen64_file = Abrir;
    funciones.zread_file = Leer;
    funciones.zwrite_file = Escribir;
    funciones.ztell64_file = Posicion;
    funciones.zseek64_file = Ir;
    funciones.zclose_file = Cerrar;
    funciones.zerror_file = Error;
    funciones.opaque = nullptr;
    return funciones;
}
