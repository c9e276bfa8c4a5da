#pragma once

#include <QString>

// The help text filed under keyword in "ayuda.xml" of the working folder: the text of the last
// child of "ayudas" whose "id" equals the keyword, or "No hay ayuda sobre el tema [keyword]"
// when there is none. The file is read anew on every call; when it is missing, an empty one is
// left behind. Raises EXMLError when the file does not parse, when a matching entry holds more
// than one text, or when the file cannot be written.
QString HelpTextFor(const QString& keyword);
