#pragma once

#include "package/UEntradaZip.h"

#include <functional>

class QIODevice;

// The data of one entry read in pieces through the checks its headers promise: inflated, or
// copied when stored, never past the size the directory gives, and compared at the end with
// that size and with the CRC. Each piece goes to the receiver as it comes, so that no entry is
// ever held whole here, and a zip bomb stops at the size it declares.
class TFlujoZip {
  public:
    enum class TResultado { Completa, Cifrada, Metodo, Danada, Crc };
    using TReceptor = std::function<void(const char* datos, qsizetype size)>;

    static TResultado Leer(QIODevice& archivo, const TEntradaZip& entrada,
                           const TReceptor& receptor);
};
