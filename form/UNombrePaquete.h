#pragma once

#include <QString>

// The package's name without ".zip": the document number ("nroDocumento") of the first
// "Investigador Responsable" of the responsible group in the working folder's "proyecto.xml".
// The file is only read, never written. Raises EVelornError when the file is missing or does
// not parse, when there is no such person or number, and when the number could not be a file
// name (a path separator, a character Windows refuses, "." or "..").
QString GetPackageName();
