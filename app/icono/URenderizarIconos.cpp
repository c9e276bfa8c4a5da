// Build tool: renders the program's icon into PNG files at the sizes desktops and Qt ask for,
// so the program itself needs no SVG support at run time, and optionally into one Windows .ico
// file holding every size.
//   velorn_renderizar_iconos <icono.svg> <carpeta de salida> [--ico <archivo.ico>] <tamaño>...
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>
#include <vector>

namespace {

// An .ico file whose pictures are PNG files, as Windows reads them since Vista: a header, one
// directory entry per picture, then the pictures.
QByteArray IcoDePng(const std::vector<std::pair<int, QByteArray>>& pngs) {
    QByteArray ico;
    auto agregar16 = [&ico](quint16 valor) {
        valor = qToLittleEndian(valor);
        ico.append(reinterpret_cast<const char*>(&valor), 2);
    };
    auto agregar32 = [&ico](quint32 valor) {
        valor = qToLittleEndian(valor);
        ico.append(reinterpret_cast<const char*>(&valor), 4);
    };
    agregar16(0); // reserved
    agregar16(1); // icon
    agregar16(quint16(pngs.size()));
    quint32 desde = quint32(6 + 16 * pngs.size());
    for (const auto& [tamano, png] : pngs) {
        const char lado = char(tamano >= 256 ? 0 : tamano); // 0 stands for 256
        ico.append(lado).append(lado).append('\0').append('\0');
        agregar16(1);  // planes
        agregar16(32); // bits per pixel
        agregar32(quint32(png.size()));
        agregar32(desde);
        desde += quint32(png.size());
    }
    for (const auto& entrada : pngs)
        ico.append(entrada.second);
    return ico;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "uso: %s icono.svg carpeta [--ico archivo.ico] tamaño...\n", argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "no se pudo leer %s\n", argv[1]);
        return 1;
    }
    const QDir salida(QString::fromLocal8Bit(argv[2]));
    if (!salida.mkpath(QStringLiteral(".")))
        return 1;
    QString archivoIco;
    std::vector<std::pair<int, QByteArray>> pngs;
    for (int i = 3; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--ico" && i + 1 < argc) {
            archivoIco = QString::fromLocal8Bit(argv[++i]);
            continue;
        }
        const int tamano = QString::fromLatin1(argv[i]).toInt();
        if (tamano <= 0)
            return 2;
        QImage imagen(tamano, tamano, QImage::Format_ARGB32_Premultiplied);
        imagen.fill(Qt::transparent);
        QPainter painter(&imagen);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        imagen.save(&buffer, "PNG");
        QFile archivo(salida.filePath(QStringLiteral("velorn-%1.png").arg(tamano)));
        if (png.isEmpty() || !archivo.open(QIODevice::WriteOnly) ||
            archivo.write(png) != png.size()) {
            std::fprintf(stderr, "no se pudo escribir %s\n", qPrintable(archivo.fileName()));
            return 1;
        }
        pngs.emplace_back(tamano, png);
    }
    if (!archivoIco.isEmpty()) {
        QFile ico(archivoIco);
        const QByteArray bytes = IcoDePng(pngs);
        if (!ico.open(QIODevice::WriteOnly) || ico.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "no se pudo escribir %s\n", qPrintable(archivoIco));
            return 1;
        }
    }
    return 0;
}
