#pragma once

#include <QByteArray>
#include <QString>

class TXMLProject;

// What every writer of "proyecto.xml" agrees on: where it is, the format version that makes a
// start load it, and the stored verified flag.
class TArchivoProyecto {
  public:
    // "proyecto.xml" in the working folder.
    static QString Nombre();
    // The format version this program writes and loads.
    static QString VersionFormato();
    // True when the document carries the format version this program loads.
    static bool EsVersionActual(TXMLProject& project);
    // The version marker and, once, the creation date: what makes a file the next start loads.
    static void EscribirEsqueleto(TXMLProject& project);
    // The stored verified flag ("1" verified, "0" not).
    static bool Verificado(TXMLProject& project);
    static void SetVerificado(TXMLProject& project, bool verificado);
    // Sets the flag and releases the document, which is written only when the flag changed.
    // When the flag is the only change since the document was read from read, the file written
    // is those bytes with the flag's value replaced: the rest of what was stored stays as it is,
    // and the document need not be built into a file again.
    static void GuardarVerificado(TXMLProject& project, QByteArray read, bool verificado);
    // A change written outside the store sequence (a person, an attachment): the file says it
    // is not verified, and a file the next start would ignore gets the version marker first.
    static void MarcarCambio(TXMLProject& project);
    // Clears the verified flag of the stored file; a file that is not verified, or missing, is
    // not touched.
    static void AnularVerificacion();
};
