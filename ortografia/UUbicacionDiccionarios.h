#pragma once

#include "ortografia/UIdioma.h"

#include <QString>
#include <QStringList>

// The folders the dictionaries are looked for in, first to last: "diccionarios/" beside the
// program, where the bundle and the setup put them, then the system's hunspell folder
// (not on Windows). Each ends with a separator.
QStringList CarpetasDiccionarios();
// Replaces those folders (tests use their own); an empty list goes back to the program's.
void SetCarpetasDiccionarios(const QStringList& carpetas);

// The ".aff" file of the dictionary for the language, its ".dic" beside it; empty when there
// is none. Spanish is Argentina's, else Spain's, else any other Spanish one; English is the
// United States'. A kind found in an earlier folder wins over a preferred one only when the
// preferred one is found nowhere.
QString BuscarDiccionario(TIdioma idioma);
// The ".dic" file beside an ".aff" file.
QString ArchivoDic(const QString& aff);

// The user's own word list for the language, in the user's settings folder.
QString RutaListaPersonal(TIdioma idioma);
