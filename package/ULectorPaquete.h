#pragma once

#include <QByteArray>
#include <QString>

// Reads the project document out of a package written by this program, in memory: nothing is
// extracted to disk. A package is refused, with a message for the user, when it is no zip
// file, lacks "proyecto.xml", names an entry with ".." or an absolute path, or holds an entry
// that would be larger than 64 MB or more than 100 times its compressed size (a zip bomb).
class TLectorPaquete {
  public:
    static constexpr qint64 kMaximoEntrada = 64LL * 1024 * 1024;
    static constexpr qint64 kMaximaRazon = 100;

    // The bytes of "proyecto.xml"; EVelornError when the package is refused.
    static QByteArray LeerProyecto(const QString& zipPath);
    // True when the file starts as a zip file does.
    static bool EsZip(const QString& path);
};
