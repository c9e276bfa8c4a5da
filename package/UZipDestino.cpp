#include "package/UZipDestino.h"

#include <QSaveFile>

namespace {

QSaveFile* File(voidpf stream) {
    return static_cast<QSaveFile*>(stream);
}

voidpf ZCALLBACK Open(voidpf opaque, const void*, int mode) {
    // Only a new archive is ever written; reading or appending is not offered.
    if ((mode & ZLIB_FILEFUNC_MODE_CREATE) == 0)
        return nullptr;
    return File(opaque)->isOpen() ? opaque : nullptr;
}

uLong ZCALLBACK Read(voidpf, voidpf, void*, uLong) {
    return 0;
}

uLong ZCALLBACK Write(voidpf, voidpf stream, const void* buffer, uLong size) {
    const qint64 written =
        File(stream)->write(static_cast<const char*>(buffer), static_cast<qint64>(size));
    return written < 0 ? 0 : static_cast<uLong>(written);
}

ZPOS64_T ZCALLBACK Tell(voidpf, voidpf stream) {
    return static_cast<ZPOS64_T>(File(stream)->pos());
}

long ZCALLBACK Seek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    QSaveFile* file = File(stream);
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
    return file->seek(base + static_cast<qint64>(offset)) ? 0 : -1;
}

int ZCALLBACK Close(voidpf, voidpf) {
    return 0;
}

int ZCALLBACK Error(voidpf, voidpf stream) {
    return File(stream)->error() == QFileDevice::NoError ? 0 : 1;
}

} // namespace

zlib_filefunc64_def SaveFileFunctions(QSaveFile& file) {
    zlib_filefunc64_def functions{};
    functions.zopen64_file = Open;
    functions.zread_file = Read;
    functions.zwrite_file = Write;
    functions.ztell64_file = Tell;
    functions.zseek64_file = Seek;
    functions.zclose_file = Close;
    functions.zerror_file = Error;
    functions.opaque = &file;
    return functions;
}
