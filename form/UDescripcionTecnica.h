#pragma once

#include <QString>

class TXMLProject;

// The technical description attached to a project: a copy of the chosen file in the folder
// "desctec/" of the working folder, and the copy's name, kept in the project as the attribute
// "file" of "descripcionTecnica/". The page, the rules and the package all go through here.
class TDescripcionTecnica {
  public:
    // The folder of the copies, ending with the separator.
    static QString Carpeta();
    // The path of the copy of that name.
    static QString Ruta(const QString& nombre);

    // The name the project keeps; empty when there is none.
    static QString NombreGuardado(TXMLProject& project);
    static void GuardarNombre(TXMLProject& project, const QString& nombre);

    // Whether a file of that name is attached: only a plain file name whose copy is in the
    // folder counts (an empty name would name the folder itself, and a name with a folder in
    // it was never attached by this program).
    static bool EstaAdjunta(const QString& nombre);
    // A plain file name, the only kind this program attaches.
    static bool EsNombreSimple(const QString& nombre);
    // The entry of the copy in a package: "desctec/" and the name.
    static QString Entrada(const QString& nombre);

    // Whether the chosen file is the attached copy of that name itself.
    static bool EsLaCopia(const QString& elegido, const QString& nombre);
    // Copies the chosen file into the folder under that name. An existing copy of the name is
    // replaced only once the new one is complete, and kept as it was when the copy fails.
    static bool Copiar(const QString& elegido, const QString& nombre);
    // Removes the copy of that name.
    static void Quitar(const QString& nombre);
};
