#pragma once

#include <ioapi.h>

// minizip's file functions over QFile. minizip's own ones take the path as 8-bit text, which on
// Windows is the ANSI code page: a folder named "José Núñez" would not open. With these the
// path is handed over as a QString, Unicode on every system:
//   zlib_filefunc64_def funciones = TArchivoZipQt::Funciones();
//   unzFile zip = unzOpen2_64(&path, &funciones); // path is a QString
class TArchivoZipQt {
  public:
    static zlib_filefunc64_def Funciones();
};
