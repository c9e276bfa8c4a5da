// Build tool: renders the program's icon into PNG files at the sizes desktops and Qt ask for,
// so the program itself needs no SVG support at run time.
//   velorn_renderizar_iconos <icono.svg> <carpeta de salida> <tamaño>...
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "uso: %s icono.svg carpeta tamaño...\n", argv[0]);
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
    for (int i = 3; i < argc; ++i) {
        const int tamano = QString::fromLatin1(argv[i]).toInt();
        if (tamano <= 0)
            return 2;
        QImage imagen(tamano, tamano, QImage::Format_ARGB32_Premultiplied);
        imagen.fill(Qt::transparent);
        QPainter painter(&imagen);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString nombre = salida.filePath(QStringLiteral("velorn-%1.png").arg(tamano));
        if (!imagen.save(nombre, "PNG")) {
            std::fprintf(stderr, "no se pudo escribir %s\n", qPrintable(nombre));
            return 1;
        }
    }
    return 0;
}
