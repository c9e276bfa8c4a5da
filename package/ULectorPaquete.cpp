#include "package/ULectorPaquete.h"

#include "document/UErrores.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const QByteArray kProyecto = QByteArrayLiteral("proyecto.xml");

TProblemaZip Problema(const char* codigo, const QString& motivo) {
    return {QString::fromLatin1(codigo), motivo};
}

} // namespace

TLectorPaquete::TLectorPaquete(const QString& zipPath) : archivo_(zipPath) {
    // Only a file: a folder opens too, and reads as empty.
    if (QFileInfo(zipPath).isFile())
        archivo_.open(QIODevice::ReadOnly);
    indice_ = std::make_unique<TIndiceZip>(archivo_);
}

bool TLectorPaquete::SuperaRazon(std::uint64_t expandido, std::uint64_t comprimido) {
    // expandido > kMaximaRazon * comprimido, without the product.
    return expandido != 0 &&
           (expandido - 1) / kMaximaRazon >= std::max<std::uint64_t>(comprimido, 1);
}

std::optional<QByteArray> TLectorPaquete::Proyecto(TProblemaZip& problema) {
    const TEntradaZip* entrada = indice_->Buscar(kProyecto);
    if (entrada == nullptr) {
        problema = Problema("sin-proyecto", QStringLiteral("no contiene \"proyecto.xml\""));
        return std::nullopt;
    }
    if (entrada->expandido > kMaximoEntrada) {
        problema =
            Problema("grande", QStringLiteral("la entrada \"proyecto.xml\" supera los 64 MB"));
        return std::nullopt;
    }
    if (SuperaRazon(entrada->expandido, entrada->comprimido)) {
        problema = Problema(
            "razon", QStringLiteral("la entrada \"proyecto.xml\" se expande más de 100 veces"));
        return std::nullopt;
    }
    QByteArray bytes;
    bytes.reserve(qsizetype(entrada->expandido));
    const std::optional<TProblemaZip> falla = Comprobar(
        *entrada, [&bytes](const char* datos, qsizetype size) { bytes.append(datos, size); });
    if (falla) {
        problema = *falla;
        return std::nullopt;
    }
    return bytes;
}

std::optional<TProblemaZip> TLectorPaquete::Comprobar(const TEntradaZip& entrada,
                                                      const TFlujoZip::TReceptor& receptor) {
    const QString nombre = entrada.Nombre();
    switch (TFlujoZip::Leer(archivo_, entrada, receptor)) {
    case TFlujoZip::TResultado::Completa:
        return std::nullopt;
    case TFlujoZip::TResultado::Cifrada:
        return Problema("cifrada", QStringLiteral("la entrada \"%1\" está cifrada").arg(nombre));
    case TFlujoZip::TResultado::Metodo:
        return Problema("metodo",
                        QStringLiteral("la entrada \"%1\" usa un método de compresión desconocido "
                                       "(%2)")
                            .arg(nombre)
                            .arg(entrada.metodo));
    case TFlujoZip::TResultado::Crc:
        return Problema("crc",
                        QStringLiteral("la entrada \"%1\" no coincide con su CRC").arg(nombre));
    case TFlujoZip::TResultado::Danada:
        break;
    }
    return Problema("danada", QStringLiteral("la entrada \"%1\" está dañada").arg(nombre));
}

QByteArray TLectorPaquete::LeerProyecto(const QString& zipPath) {
    const auto rechazar = [&zipPath](const TProblemaZip& problema) {
        throw EVelornError(QStringLiteral("No se puede importar el paquete \"%1\": %2.")
                               .arg(zipPath, problema.motivo));
    };
    TLectorPaquete lector(zipPath);
    // Two readers could see two different projects in a package with any of these.
    if (!lector.Indice().Problemas().empty())
        rechazar(lector.Indice().Problemas().front());
    TProblemaZip problema;
    std::optional<QByteArray> bytes = lector.Proyecto(problema);
    if (!bytes)
        rechazar(problema);
    return *bytes;
}

bool TLectorPaquete::EsZip(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == QByteArray("PK\x03\x04", 4);
}
