#pragma once

#include <QString>

// The user's settings folder (the system's application data folder for the program): what the
// user chose once and keeps between runs and projects, such as the personal word lists and
// "Revisar ortografía". It is never part of a project, a package or the bundle.
QString CarpetaAjustesUsuario();

// Points CarpetaAjustesUsuario() at another folder (tests use a temporary one); an empty text
// goes back to the system's.
void SetCarpetaAjustesUsuario(const QString& folder);

// "Revisar ortografía": on unless the user turned it off.
bool RevisarOrtografia();
// Remembers the choice in the settings folder; one that cannot be written holds for this run.
void SetRevisarOrtografia(bool revisar);
