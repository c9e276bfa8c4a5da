#pragma once

#include <QDateTime>
#include <QString>

#include <string>

// The recovery copy: what the pages showed, written beside "proyecto.xml" while edits are
// pending, so that a crash loses nothing. It never touches "proyecto.xml" nor its ".bak".
class TRecuperacion {
  public:
    // "proyecto.recuperacion.xml" in the working folder.
    static QString Nombre();
    // Replaces the copy with these bytes, atomically. False when it could not be written; the
    // previous copy is then as it was.
    static bool Escribir(const std::string& bytes);
    // Removes the copy; after a store or a normal close nothing is left to recover.
    static void Eliminar();
    // True when a copy exists that is newer than the stored project (or there is none).
    static bool HayParaRecuperar();
    // When the copy was written.
    static QDateTime Fecha();
    // Keeps the copy aside under a dated name, so a declined recovery loses nothing. The name
    // it now has; empty when it could not be moved.
    static QString Apartar();
};
