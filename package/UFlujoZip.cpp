#include "package/UFlujoZip.h"

#include <QIODevice>

#include <zlib.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr qint64 kBloque = 64 * 1024;
constexpr std::uint16_t kGuardada = 0;
constexpr std::uint16_t kDesinflada = 8;

struct TCerrarInflado {
    void operator()(z_stream* stream) const {
        inflateEnd(stream);
        delete stream;
    }
};

// What came out so far, counted and checked against the size the directory gives.
struct TSalida {
    const TEntradaZip& entrada;
    const TFlujoZip::TReceptor& receptor;
    std::uint64_t size = 0;
    uLong crc = crc32(0, nullptr, 0);

    bool Entregar(const char* datos, qsizetype n) {
        if (std::uint64_t(n) > entrada.expandido - size)
            return false;
        crc = crc32(crc, reinterpret_cast<const Bytef*>(datos), uInt(n));
        size += std::uint64_t(n);
        if (receptor && n > 0)
            receptor(datos, n);
        return true;
    }
};

bool Copiar(QIODevice& archivo, std::uint64_t pendiente, TSalida& salida) {
    std::vector<char> bloque(kBloque);
    while (pendiente > 0) {
        const qint64 leidos = archivo.read(
            bloque.data(), qint64(std::min<std::uint64_t>(pendiente, std::uint64_t(kBloque))));
        if (leidos <= 0 || !salida.Entregar(bloque.data(), leidos))
            return false;
        pendiente -= std::uint64_t(leidos);
    }
    return true;
}

// Every compressed byte goes in, and the stream ends exactly with them.
bool Inflar(QIODevice& archivo, std::uint64_t pendiente, TSalida& salida) {
    std::unique_ptr<z_stream, TCerrarInflado> stream(new z_stream{});
    if (inflateInit2(stream.get(), -MAX_WBITS) != Z_OK)
        return false;
    std::vector<char> entrada(kBloque);
    std::vector<char> bloque(kBloque);
    int resultado = Z_OK;
    while (resultado != Z_STREAM_END) {
        if (stream->avail_in == 0) {
            const qint64 leidos =
                pendiente == 0
                    ? 0
                    : archivo.read(entrada.data(), qint64(std::min<std::uint64_t>(
                                                       pendiente, std::uint64_t(kBloque))));
            if (leidos <= 0)
                return false;
            pendiente -= std::uint64_t(leidos);
            stream->next_in = reinterpret_cast<Bytef*>(entrada.data());
            stream->avail_in = uInt(leidos);
        }
        stream->next_out = reinterpret_cast<Bytef*>(bloque.data());
        stream->avail_out = uInt(kBloque);
        resultado = inflate(stream.get(), Z_NO_FLUSH);
        if (resultado != Z_OK && resultado != Z_STREAM_END)
            return false;
        if (!salida.Entregar(bloque.data(), kBloque - qint64(stream->avail_out)))
            return false;
    }
    return stream->avail_in == 0 && pendiente == 0;
}

} // namespace

TFlujoZip::TResultado TFlujoZip::Leer(QIODevice& archivo, const TEntradaZip& entrada,
                                      const TReceptor& receptor) {
    if (entrada.Cifrada())
        return TResultado::Cifrada;
    if (entrada.metodo != kGuardada && entrada.metodo != kDesinflada)
        return TResultado::Metodo;
    // An entry whose local header could not be read has no data to read.
    if (entrada.datos == 0 || !archivo.seek(qint64(entrada.datos)))
        return TResultado::Danada;
    TSalida salida{entrada, receptor};
    const bool leida = entrada.metodo == kGuardada ? entrada.comprimido == entrada.expandido &&
                                                         Copiar(archivo, entrada.comprimido, salida)
                                                   : Inflar(archivo, entrada.comprimido, salida);
    if (!leida || salida.size != entrada.expandido)
        return TResultado::Danada;
    return salida.crc == entrada.crc ? TResultado::Completa : TResultado::Crc;
}
