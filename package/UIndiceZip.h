#pragma once

#include "package/UEntradaZip.h"
#include "package/UProblemaZip.h"

#include <QByteArray>

#include <vector>

class QIODevice;

// The records of a zip archive read byte by byte: the end records (zip64 ones included), every
// entry of the central directory and its local header. Nothing is inflated here.
//
// What other readers of the same bytes could see differently is a problem: a name with a NUL
// byte or longer than minizip reads, a local header naming another entry or disagreeing with
// the directory, a name given twice, entries sharing their data, names leading out of the
// folder they are extracted into. An archive whose records cannot be read has that one problem
// and no entries.
class TIndiceZip {
  public:
    static constexpr qint64 kMaximoIndice = 64LL * 1024 * 1024;
    static constexpr int kMaximoNombre = 1023;

    // Reads the archive open for reading in archivo. Never throws.
    explicit TIndiceZip(QIODevice& archivo);

    bool Legible() const { return legible_; }
    // In the directory's order; empty when the archive is not readable.
    const std::vector<TEntradaZip>& Entradas() const { return entradas_; }
    // In the directory's order, the shared data last.
    const std::vector<TProblemaZip>& Problemas() const { return problemas_; }
    // The first entry of that name; nullptr when there is none.
    const TEntradaZip* Buscar(const QByteArray& nombre) const;

  private:
    class TVentana;

    bool LeerDirectorio(QIODevice& archivo);
    bool LeerEntrada(const QByteArray& directorio, qsizetype& at);
    void RevisarNombre(const TEntradaZip& entrada);
    void LeerLocal(TVentana& ventana, TEntradaZip& entrada, std::uint64_t finDatos);
    void RevisarSuperpuestas();
    void Agregar(const char* codigo, const QString& motivo);
    bool Fallar(const char* codigo, const QString& motivo);

    bool legible_ = false;
    std::uint64_t inicioDirectorio_ = 0;
    std::vector<TEntradaZip> entradas_;
    std::vector<TProblemaZip> problemas_;
};
