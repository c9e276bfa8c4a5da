#pragma once

#include "package/UFlujoZip.h"
#include "package/UIndiceZip.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>
#include <optional>

// A package written by this program, read in place: nothing is extracted to disk. The import
// and the agency's verifier share it. Opening reads the index (see TIndiceZip for what makes an
// archive untrustworthy); entries are read on demand, each through its CRC check.
//
// The limits belong to what is held in memory: "proyecto.xml" may not be larger than 64 MB nor
// more than 100 times its compressed size (a zip bomb). Other entries are only streamed.
class TLectorPaquete {
  public:
    static constexpr std::uint64_t kMaximoEntrada = 64ULL * 1024 * 1024;
    static constexpr std::uint64_t kMaximaRazon = 100;

    explicit TLectorPaquete(const QString& zipPath);

    // False when the file could not be opened at all (missing, not allowed).
    bool Abierto() const { return archivo_.isOpen(); }
    const TIndiceZip& Indice() const { return *indice_; }
    // "proyecto.xml", read within its limits; nothing, and why in problema, otherwise.
    std::optional<QByteArray> Proyecto(TProblemaZip& problema);
    // Reads the entry through its checks, handing its data to receptor; why it failed, if it did.
    std::optional<TProblemaZip> Comprobar(const TEntradaZip& entrada,
                                          const TFlujoZip::TReceptor& receptor);

    // The import: the bytes of "proyecto.xml"; EVelornError, with a message for the user, when
    // the package has any problem or the project cannot be read.
    static QByteArray LeerProyecto(const QString& zipPath);
    // True when the file starts as a zip file does.
    static bool EsZip(const QString& path);
    // Whether expandido bytes out of comprimido are more than the ratio allows.
    static bool SuperaRazon(std::uint64_t expandido, std::uint64_t comprimido);

  private:
    QFile archivo_;
    std::unique_ptr<TIndiceZip> indice_;
};
