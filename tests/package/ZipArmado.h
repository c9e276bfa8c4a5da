#pragma once

// Builds zip archives byte by byte, each header saying whatever a case needs: names that
// differ between the two headers, flags, methods, zip64 fields, sizes that lie. The reader's
// tests make with it the packages no writer of this program would.

#include <QByteArray>

#include <zlib.h>

#include <cstdint>
#include <optional>
#include <vector>

struct TEntradaArmada {
    TEntradaArmada(const QByteArray& n, const QByteArray& c, std::uint16_t m = 8,
                   std::uint16_t b = 0, bool z = false)
        : nombre(n), contenido(c), metodo(m), banderas(b), zip64(z) {}

    QByteArray nombre;
    QByteArray contenido;
    std::uint16_t metodo = 8; // 8 deflated; any other, the content stored as it is
    std::uint16_t banderas = 0;
    bool zip64 = false; // the sizes in zip64 fields of both headers
    std::optional<QByteArray> nombreLocal;
    std::optional<std::uint64_t> expandido; // said instead of the real sizes
    std::optional<std::uint64_t> comprimido;
    std::optional<std::uint32_t> crc;
};

namespace armado {

inline void Poner(QByteArray& out, std::uint64_t valor, int ancho) {
    for (int i = 0; i < ancho; ++i)
        out += char((valor >> (8 * i)) & 0xFF);
}

inline QByteArray Desinflar(const QByteArray& datos) {
    z_stream stream{};
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(qsizetype(deflateBound(&stream, uLong(datos.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(datos.constData()));
    stream.avail_in = uInt(datos.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

} // namespace armado

// The archive, with zip64 end records when asked or when the count needs them.
inline QByteArray ArmarZip(const std::vector<TEntradaArmada>& entradas, bool final64 = false) {
    using armado::Poner;
    QByteArray zip;
    QByteArray directorio;
    for (const TEntradaArmada& e : entradas) {
        const QByteArray datos = e.metodo == 8 ? armado::Desinflar(e.contenido) : e.contenido;
        const std::uint32_t crc = e.crc.value_or(std::uint32_t(crc32(
            0, reinterpret_cast<const Bytef*>(e.contenido.constData()), uInt(e.contenido.size()))));
        const std::uint64_t expandido = e.expandido.value_or(std::uint64_t(e.contenido.size()));
        const std::uint64_t comprimido = e.comprimido.value_or(std::uint64_t(datos.size()));
        const auto offset = std::uint64_t(zip.size());
        QByteArray extra;
        if (e.zip64) {
            Poner(extra, 1, 2);
            Poner(extra, 16, 2);
            Poner(extra, expandido, 8);
            Poner(extra, comprimido, 8);
        }
        const auto comunes = [&](QByteArray& out, const QByteArray& nombre) {
            Poner(out, e.zip64 ? 45 : 20, 2);
            Poner(out, e.banderas, 2);
            Poner(out, e.metodo, 2);
            Poner(out, 0x00210000, 4); // 1980-01-01
            Poner(out, crc, 4);
            Poner(out, e.zip64 ? 0xFFFFFFFF : comprimido, 4);
            Poner(out, e.zip64 ? 0xFFFFFFFF : expandido, 4);
            Poner(out, std::uint64_t(nombre.size()), 2);
            Poner(out, std::uint64_t(extra.size()), 2);
        };
        const QByteArray nombreLocal = e.nombreLocal.value_or(e.nombre);
        Poner(zip, 0x04034b50, 4);
        comunes(zip, nombreLocal);
        zip += nombreLocal + extra + datos;
        Poner(directorio, 0x02014b50, 4);
        Poner(directorio, 0, 2);
        comunes(directorio, e.nombre);
        Poner(directorio, 0, 6); // comment length, disk, internal attributes
        Poner(directorio, 0x20, 4);
        Poner(directorio, offset, 4);
        directorio += e.nombre + extra;
    }
    const auto inicio = std::uint64_t(zip.size());
    const auto size = std::uint64_t(directorio.size());
    const std::uint64_t cuenta = entradas.size();
    zip += directorio;
    final64 = final64 || cuenta >= 0xFFFF;
    if (final64) {
        const auto registro = std::uint64_t(zip.size());
        Poner(zip, 0x06064b50, 4);
        Poner(zip, 44, 8);
        Poner(zip, 45, 2);
        Poner(zip, 45, 2);
        Poner(zip, 0, 8); // disks
        Poner(zip, cuenta, 8);
        Poner(zip, cuenta, 8);
        Poner(zip, size, 8);
        Poner(zip, inicio, 8);
        Poner(zip, 0x07064b50, 4);
        Poner(zip, 0, 4);
        Poner(zip, registro, 8);
        Poner(zip, 1, 4);
    }
    Poner(zip, 0x06054b50, 4);
    Poner(zip, 0, 4);
    Poner(zip, final64 ? 0xFFFF : cuenta, 2);
    Poner(zip, final64 ? 0xFFFF : cuenta, 2);
    Poner(zip, final64 ? 0xFFFFFFFF : size, 4);
    Poner(zip, final64 ? 0xFFFFFFFF : inicio, 4);
    Poner(zip, 0, 2);
    return zip;
}
