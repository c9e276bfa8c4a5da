#include "package/UIndiceZip.h"

#include <QIODevice>
#include <QSet>

#include <algorithm>
#include <optional>

namespace {

// The first characters of a name, never half of a character outside the BMP.
QString Comienzo(const QString& nombre, qsizetype cuantos) {
    if (nombre.size() > cuantos && nombre.at(cuantos - 1).isHighSurrogate())
        --cuantos;
    return nombre.left(cuantos);
}

constexpr std::uint32_t kFirmaLocal = 0x04034b50;
constexpr std::uint32_t kFirmaCentral = 0x02014b50;
constexpr std::uint32_t kFirmaFinal = 0x06054b50;
constexpr std::uint32_t kFirmaFinal64 = 0x06064b50;
constexpr std::uint32_t kFirmaLocalizador = 0x07064b50;
constexpr std::uint16_t kCampoZip64 = 0x0001;
constexpr std::uint64_t kUnos32 = 0xFFFFFFFF;
constexpr std::uint64_t kUnos16 = 0xFFFF;
constexpr qsizetype kFinal = 22;
constexpr qsizetype kLocalizador = 20;
constexpr qsizetype kFinal64 = 56;
constexpr qsizetype kCentral = 46;
constexpr qsizetype kLocal = 30;
constexpr qint64 kComentarioMaximo = 0xFFFF;
// A hostile directory could name a problem per entry; the first ones say enough.
constexpr size_t kMaximoProblemas = 100;
constexpr std::uint16_t kBanderasComparadas =
    TEntradaZip::kCifrada | TEntradaZip::kCifradaFuerte | TEntradaZip::kDescriptor;

const QString kNoZip = QStringLiteral("no es un archivo zip que se pueda leer");
const QString kIndiceDanado = QStringLiteral("su índice está dañado");

std::uint64_t Valor(const QByteArray& bytes, qsizetype at, int ancho) {
    std::uint64_t valor = 0;
    for (int i = ancho - 1; i >= 0; --i)
        valor = (valor << 8) | static_cast<unsigned char>(bytes[at + i]);
    return valor;
}

// size bytes from offset at; nothing when the file holds fewer.
std::optional<QByteArray> LeerEn(QIODevice& archivo, std::uint64_t at, std::uint64_t size) {
    const auto total = std::uint64_t(archivo.size());
    if (at > total || size > total - at || !archivo.seek(qint64(at)))
        return std::nullopt;
    QByteArray bytes = archivo.read(qint64(size));
    if (std::uint64_t(bytes.size()) != size)
        return std::nullopt;
    return bytes;
}

// Takes the values of the zip64 field of extra into those given, in the field's order; false
// when the field is missing or too short for them.
bool AplicarZip64(const QByteArray& extra, const std::vector<std::uint64_t*>& valores) {
    if (valores.empty())
        return true;
    for (qsizetype at = 0; at + 4 <= extra.size();) {
        const auto size = qsizetype(Valor(extra, at + 2, 2));
        if (at + 4 + size > extra.size())
            return false;
        if (Valor(extra, at, 2) == kCampoZip64) {
            if (size < 8 * qsizetype(valores.size()))
                return false;
            for (size_t i = 0; i < valores.size(); ++i)
                *valores[i] = Valor(extra, at + 4 + 8 * qsizetype(i), 8);
            return true;
        }
        at += 4 + size;
    }
    return false;
}

// An entry that an extracting program would write outside the folder it extracts into. On the
// name's bytes: every character that matters is ASCII.
bool SaleDeLaCarpeta(QByteArray name) {
    if (name.startsWith('/') || name.startsWith('\\') || (name.size() > 1 && name.at(1) == ':'))
        return true;
    name.replace('\\', '/');
    return name == ".." || name.startsWith("../") || name.endsWith("/..") || name.contains("/../");
}

std::uint64_t SumaSaturada(std::uint64_t a, std::uint64_t b) {
    return b > UINT64_MAX - a ? UINT64_MAX : a + b;
}

} // namespace

// Reads the local headers through a window of the file: entries mostly follow each other, and
// one seek and read per header made an archive of 65 535 entries slow.
class TIndiceZip::TVentana {
  public:
    explicit TVentana(QIODevice& archivo) : archivo_(archivo) {}

    std::optional<QByteArray> Leer(std::uint64_t at, std::uint64_t size) {
        if (at < inicio_ || at - inicio_ > std::uint64_t(bloque_.size()) ||
            size > std::uint64_t(bloque_.size()) - (at - inicio_)) {
            if (size > kBloque)
                return LeerEn(archivo_, at, size);
            const auto total = std::uint64_t(archivo_.size());
            std::optional<QByteArray> bloque =
                at > total ? std::nullopt : LeerEn(archivo_, at, std::min(kBloque, total - at));
            if (!bloque || std::uint64_t(bloque->size()) < size)
                return std::nullopt;
            bloque_ = *bloque;
            inicio_ = at;
        }
        return bloque_.mid(qsizetype(at - inicio_), qsizetype(size));
    }

  private:
    static constexpr std::uint64_t kBloque = 256 * 1024;
    QIODevice& archivo_;
    std::uint64_t inicio_ = 0;
    QByteArray bloque_;
};

TIndiceZip::TIndiceZip(QIODevice& archivo) {
    legible_ = archivo.isReadable() && LeerDirectorio(archivo);
    if (!archivo.isReadable())
        Fallar("no-zip", kNoZip);
    if (!legible_)
        return;
    QSet<QByteArray> vistos;
    QSet<QByteArray> repetidos;
    const std::uint64_t finDatos = inicioDirectorio_;
    TVentana ventana(archivo);
    for (TEntradaZip& entrada : entradas_) {
        RevisarNombre(entrada);
        if (vistos.contains(entrada.nombre) && !repetidos.contains(entrada.nombre)) {
            repetidos.insert(entrada.nombre);
            Agregar(
                "duplicada",
                QStringLiteral("la entrada \"%1\" figura más de una vez").arg(entrada.Nombre()));
        }
        vistos.insert(entrada.nombre);
        LeerLocal(ventana, entrada, finDatos);
    }
    RevisarSuperpuestas();
}

const TEntradaZip* TIndiceZip::Buscar(const QByteArray& nombre) const {
    const auto found = std::find_if(entradas_.begin(), entradas_.end(),
                                    [&nombre](const TEntradaZip& e) { return e.nombre == nombre; });
    return found == entradas_.end() ? nullptr : &*found;
}

bool TIndiceZip::Fallar(const char* codigo, const QString& motivo) {
    entradas_.clear();
    problemas_ = {{QString::fromLatin1(codigo), motivo}};
    return false;
}

void TIndiceZip::Agregar(const char* codigo, const QString& motivo) {
    if (problemas_.size() < kMaximoProblemas)
        problemas_.push_back({QString::fromLatin1(codigo), motivo});
    else if (problemas_.size() == kMaximoProblemas)
        problemas_.push_back(
            {QStringLiteral("otros"), QStringLiteral("tiene más problemas, que no se enumeran")});
}

bool TIndiceZip::LeerDirectorio(QIODevice& archivo) {
    const qint64 tamano = archivo.size();
    if (tamano < kFinal)
        return Fallar("no-zip", kNoZip);
    const qint64 inicioCola = std::max<qint64>(0, tamano - kFinal - kComentarioMaximo);
    const std::optional<QByteArray> cola =
        LeerEn(archivo, std::uint64_t(inicioCola), std::uint64_t(tamano - inicioCola));
    if (!cola)
        return Fallar("no-zip", kNoZip);
    // The last end record whose comment ends within the file.
    qsizetype fin = cola->size() - kFinal;
    while (fin >= 0 && (Valor(*cola, fin, 4) != kFirmaFinal ||
                        fin + kFinal + qsizetype(Valor(*cola, fin + 20, 2)) > cola->size()))
        --fin;
    if (fin < 0)
        return Fallar("no-zip", kNoZip);

    const std::uint64_t registro = std::uint64_t(inicioCola + fin);
    std::uint64_t disco = Valor(*cola, fin + 4, 2);
    std::uint64_t discoDirectorio = Valor(*cola, fin + 6, 2);
    std::uint64_t enDisco = Valor(*cola, fin + 8, 2);
    std::uint64_t total = Valor(*cola, fin + 10, 2);
    std::uint64_t size = Valor(*cola, fin + 12, 4);
    std::uint64_t offset = Valor(*cola, fin + 16, 4);
    std::uint64_t finDirectorio = registro;

    const std::optional<QByteArray> localizador =
        registro >= kLocalizador ? LeerEn(archivo, registro - kLocalizador, kLocalizador)
                                 : std::nullopt;
    if (localizador && Valor(*localizador, 0, 4) == kFirmaLocalizador) {
        const std::uint64_t registro64 = Valor(*localizador, 8, 8);
        const std::optional<QByteArray> final64 = registro64 <= registro - kLocalizador
                                                      ? LeerEn(archivo, registro64, kFinal64)
                                                      : std::nullopt;
        if (!final64 || Valor(*final64, 0, 4) != kFirmaFinal64 || Valor(*localizador, 4, 4) != 0 ||
            Valor(*localizador, 16, 4) > 1)
            return Fallar("indice", kIndiceDanado);
        // A field the end record leaves at all ones comes from the zip64 record; one it gives
        // must agree with it.
        const auto tomar = [](std::uint64_t& campo, std::uint64_t unos, std::uint64_t valor) {
            if (campo == unos)
                campo = valor;
            return campo == valor;
        };
        if (!tomar(disco, kUnos16, Valor(*final64, 16, 4)) ||
            !tomar(discoDirectorio, kUnos16, Valor(*final64, 20, 4)) ||
            !tomar(enDisco, kUnos16, Valor(*final64, 24, 8)) ||
            !tomar(total, kUnos16, Valor(*final64, 32, 8)) ||
            !tomar(size, kUnos32, Valor(*final64, 40, 8)) ||
            !tomar(offset, kUnos32, Valor(*final64, 48, 8)))
            return Fallar("indice", kIndiceDanado);
        finDirectorio = registro64;
    }
    // One disk, and the directory right before the end records.
    if (disco != 0 || discoDirectorio != 0 || enDisco != total || offset > finDirectorio ||
        size != finDirectorio - offset)
        return Fallar("indice", kIndiceDanado);
    if (size > std::uint64_t(kMaximoIndice))
        return Fallar("indice-grande", QStringLiteral("su índice supera los 64 MB"));
    if (total > size / kCentral)
        return Fallar("indice", kIndiceDanado);
    const std::optional<QByteArray> directorio = LeerEn(archivo, offset, size);
    if (!directorio)
        return Fallar("indice", kIndiceDanado);
    entradas_.reserve(size_t(total));
    qsizetype at = 0;
    for (std::uint64_t i = 0; i < total; ++i) {
        if (!LeerEntrada(*directorio, at))
            return Fallar("indice", kIndiceDanado);
    }
    if (at != directorio->size())
        return Fallar("indice", kIndiceDanado);
    inicioDirectorio_ = offset;
    return true;
}

bool TIndiceZip::LeerEntrada(const QByteArray& directorio, qsizetype& at) {
    if (directorio.size() - at < kCentral || Valor(directorio, at, 4) != kFirmaCentral)
        return false;
    TEntradaZip entrada;
    entrada.banderas = std::uint16_t(Valor(directorio, at + 8, 2));
    entrada.metodo = std::uint16_t(Valor(directorio, at + 10, 2));
    entrada.crc = std::uint32_t(Valor(directorio, at + 16, 4));
    entrada.comprimido = Valor(directorio, at + 20, 4);
    entrada.expandido = Valor(directorio, at + 24, 4);
    const auto nombre = qsizetype(Valor(directorio, at + 28, 2));
    const auto extra = qsizetype(Valor(directorio, at + 30, 2));
    const auto comentario = qsizetype(Valor(directorio, at + 32, 2));
    std::uint64_t disco = Valor(directorio, at + 34, 2);
    entrada.encabezado = Valor(directorio, at + 42, 4);
    if (directorio.size() - at - kCentral < nombre + extra + comentario)
        return false;
    entrada.nombre = directorio.mid(at + kCentral, nombre);
    // The zip64 field holds, in this order, the values left at all ones.
    std::vector<std::uint64_t*> zip64;
    if (entrada.expandido == kUnos32)
        zip64.push_back(&entrada.expandido);
    if (entrada.comprimido == kUnos32)
        zip64.push_back(&entrada.comprimido);
    if (entrada.encabezado == kUnos32)
        zip64.push_back(&entrada.encabezado);
    if (disco == kUnos16)
        zip64.push_back(&disco);
    if (!AplicarZip64(directorio.mid(at + kCentral + nombre, extra), zip64) || disco != 0)
        return false;
    at += kCentral + nombre + extra + comentario;
    entradas_.push_back(std::move(entrada));
    return true;
}

void TIndiceZip::RevisarNombre(const TEntradaZip& entrada) {
    if (entrada.nombre.isEmpty())
        Agregar("nombre-vacio", QStringLiteral("una entrada no tiene nombre"));
    else if (entrada.nombre.size() > kMaximoNombre)
        Agregar("nombre-largo",
                QStringLiteral("el nombre de la entrada \"%1...\" supera los %2 bytes")
                    .arg(Comienzo(entrada.Nombre(), 40))
                    .arg(kMaximoNombre));
    else if (entrada.nombre.contains('\0'))
        Agregar("nombre-nulo",
                QStringLiteral("el nombre de la entrada \"%1\" tiene un carácter nulo")
                    .arg(entrada.Nombre()));
    else if (SaleDeLaCarpeta(entrada.nombre))
        Agregar(
            "fuera-de-carpeta",
            QStringLiteral("la entrada \"%1\" apunta fuera de su carpeta").arg(entrada.Nombre()));
}

void TIndiceZip::LeerLocal(TVentana& ventana, TEntradaZip& entrada, std::uint64_t finDatos) {
    const std::optional<QByteArray> local =
        entrada.encabezado < finDatos ? ventana.Leer(entrada.encabezado, kLocal) : std::nullopt;
    const std::optional<QByteArray> variable =
        local && Valor(*local, 0, 4) == kFirmaLocal
            ? ventana.Leer(entrada.encabezado + kLocal, Valor(*local, 26, 2) + Valor(*local, 28, 2))
            : std::nullopt;
    if (!variable) {
        Agregar("encabezado", QStringLiteral("el encabezado local de la entrada \"%1\" está dañado")
                                  .arg(entrada.Nombre()));
        return;
    }
    const auto largoNombre = qsizetype(Valor(*local, 26, 2));
    const QByteArray nombreLocal = variable->left(largoNombre);
    if (nombreLocal != entrada.nombre) {
        Agregar("nombre-local",
                QStringLiteral("la entrada \"%1\" lleva otro nombre en su encabezado local: \"%2\"")
                    .arg(entrada.Nombre(), TEntradaZip{nombreLocal}.Nombre()));
    }
    const auto banderas = std::uint16_t(Valor(*local, 6, 2));
    bool coinciden = Valor(*local, 8, 2) == entrada.metodo &&
                     ((banderas ^ entrada.banderas) & kBanderasComparadas) == 0;
    // Without a data descriptor the local header repeats the CRC and the sizes; a zip64 one
    // holds both sizes in its field.
    if (coinciden && (banderas & TEntradaZip::kDescriptor) == 0) {
        std::uint64_t comprimido = Valor(*local, 18, 4);
        std::uint64_t expandido = Valor(*local, 22, 4);
        std::uint64_t comprimido64 = 0;
        std::uint64_t expandido64 = 0;
        if ((comprimido == kUnos32 || expandido == kUnos32) &&
            AplicarZip64(variable->mid(largoNombre), {&expandido64, &comprimido64})) {
            comprimido = comprimido == kUnos32 ? comprimido64 : comprimido;
            expandido = expandido == kUnos32 ? expandido64 : expandido;
        }
        coinciden = Valor(*local, 14, 4) == entrada.crc && comprimido == entrada.comprimido &&
                    expandido == entrada.expandido;
    }
    if (!coinciden)
        Agregar("encabezado-distinto",
                QStringLiteral("los dos encabezados de la entrada \"%1\" no coinciden")
                    .arg(entrada.Nombre()));
    const std::uint64_t datos = entrada.encabezado + kLocal + std::uint64_t(variable->size());
    if (datos > finDatos || entrada.comprimido > finDatos - datos) {
        Agregar("truncada", QStringLiteral("los datos de la entrada \"%1\" no caben en el archivo")
                                .arg(entrada.Nombre()));
        return;
    }
    entrada.datos = datos;
}

void TIndiceZip::RevisarSuperpuestas() {
    std::vector<const TEntradaZip*> enOrden;
    for (const TEntradaZip& entrada : entradas_) {
        if (entrada.datos != 0)
            enOrden.push_back(&entrada);
    }
    std::sort(enOrden.begin(), enOrden.end(), [](const TEntradaZip* a, const TEntradaZip* b) {
        return a->encabezado < b->encabezado;
    });
    for (size_t i = 1; i < enOrden.size(); ++i) {
        const TEntradaZip& antes = *enOrden[i - 1];
        if (SumaSaturada(antes.datos, antes.comprimido) > enOrden[i]->encabezado)
            Agregar("superpuestas",
                    QStringLiteral("las entradas \"%1\" y \"%2\" comparten sus datos")
                        .arg(antes.Nombre(), enOrden[i]->Nombre()));
    }
}
