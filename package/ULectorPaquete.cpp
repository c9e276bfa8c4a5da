#include "package/ULectorPaquete.h"

#include "document/UErrores.h"
#include "package/UArchivoZipQt.h"

#include <QFile>

#include <memory>
#include <unzip.h>

namespace {

struct TCerrarZip {
    void operator()(void* zip) const { unzClose(zip); }
};
using TZip = std::unique_ptr<void, TCerrarZip>;

const QString kProyecto = QStringLiteral("proyecto.xml");

[[noreturn]] void Rechazar(const QString& zipPath, const QString& reason) {
    throw EVelornError(
        QStringLiteral("No se puede importar el paquete \"%1\": %2.").arg(zipPath, reason));
}

// An entry that another program would write outside the folder it extracts into.
bool SaleDeLaCarpeta(const QString& name) {
    if (name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('\\')) ||
        (name.size() > 1 && name.at(1) == QLatin1Char(':')))
        return true;
    QString parts = name;
    parts.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return parts.split(QLatin1Char('/')).contains(QStringLiteral(".."));
}

} // namespace

bool TLectorPaquete::EsZip(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == QByteArray("PK\x03\x04", 4);
}

QByteArray TLectorPaquete::LeerProyecto(const QString& zipPath) {
    zlib_filefunc64_def funciones = TArchivoZipQt::Funciones();
    TZip zip(unzOpen2_64(&zipPath, &funciones));
    if (!zip)
        Rechazar(zipPath, QStringLiteral("no es un archivo zip que se pueda leer"));
    bool found = false;
    for (int status = unzGoToFirstFile(zip.get()); status == UNZ_OK;
         status = unzGoToNextFile(zip.get())) {
        unz_file_info64 info{};
        char name[1024] = {};
        if (unzGetCurrentFileInfo64(zip.get(), &info, name, sizeof name - 1, nullptr, 0, nullptr,
                                    0) != UNZ_OK)
            Rechazar(zipPath, QStringLiteral("su índice está dañado"));
        const QString entry = QString::fromUtf8(name);
        if (SaleDeLaCarpeta(entry))
            Rechazar(zipPath,
                     QStringLiteral("la entrada \"%1\" apunta fuera de su carpeta").arg(entry));
        if (qint64(info.uncompressed_size) > kMaximoEntrada)
            Rechazar(zipPath, QStringLiteral("la entrada \"%1\" supera los 64 MB").arg(entry));
        if (qint64(info.uncompressed_size) >
            kMaximaRazon * qint64(qMax<quint64>(info.compressed_size, 1)))
            Rechazar(zipPath,
                     QStringLiteral("la entrada \"%1\" se expande más de 100 veces").arg(entry));
        found = found || entry == kProyecto;
    }
    if (!found || unzLocateFile(zip.get(), "proyecto.xml", 1) != UNZ_OK)
        Rechazar(zipPath, QStringLiteral("no contiene \"proyecto.xml\""));
    unz_file_info64 info{};
    unzGetCurrentFileInfo64(zip.get(), &info, nullptr, 0, nullptr, 0, nullptr, 0);
    if (unzOpenCurrentFile(zip.get()) != UNZ_OK)
        Rechazar(zipPath, QStringLiteral("no se pudo leer \"proyecto.xml\""));
    // The sizes in the headers are not trusted: reading stops past the limits whatever they say.
    const qint64 limit =
        qMin(kMaximoEntrada, kMaximaRazon * qint64(qMax<quint64>(info.compressed_size, 1)));
    QByteArray bytes;
    char buffer[64 * 1024];
    int read = 0;
    while ((read = unzReadCurrentFile(zip.get(), buffer, sizeof buffer)) > 0) {
        bytes.append(buffer, read);
        if (bytes.size() > limit) {
            unzCloseCurrentFile(zip.get());
            Rechazar(zipPath, QStringLiteral("\"proyecto.xml\" se expande más de lo permitido"));
        }
    }
    const bool crcOk = unzCloseCurrentFile(zip.get()) == UNZ_OK;
    if (read < 0 || !crcOk)
        Rechazar(zipPath, QStringLiteral("\"proyecto.xml\" está dañado"));
    return bytes;
}
