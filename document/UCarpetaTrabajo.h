#pragma once

#include <QString>

// The working folder: the folder of the running program, with a trailing separator.
// Every data file of the program ("proyecto.xml", "config.xml", "convoc/", ...) lives there.
QString WorkingFolder();

// Points WorkingFolder() at another folder (tests run on a temporary one); an empty text
// goes back to the program's own folder.
void SetWorkingFolder(const QString& folder);
