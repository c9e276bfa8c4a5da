#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// One entry of a zip archive as its central directory describes it, the zip64 values applied,
// and where its data start past its local header.
struct TEntradaZip {
    static constexpr std::uint16_t kCifrada = 0x0001;
    static constexpr std::uint16_t kCifradaFuerte = 0x0040;
    static constexpr std::uint16_t kDescriptor = 0x0008;

    QByteArray nombre; // every byte the directory holds, a NUL included
    std::uint16_t banderas = 0;
    std::uint16_t metodo = 0;
    std::uint32_t crc = 0;
    std::uint64_t comprimido = 0;
    std::uint64_t expandido = 0;
    std::uint64_t encabezado = 0; // offset of the local header
    std::uint64_t datos = 0;      // offset of the data

    // The name as messages show it: a NUL byte is written "\0".
    QString Nombre() const {
        QString texto = QString::fromUtf8(nombre);
        return texto.replace(QChar(0), QStringLiteral("\\0"));
    }
    bool Cifrada() const { return (banderas & (kCifrada | kCifradaFuerte)) != 0; }
};
