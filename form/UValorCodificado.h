#pragma once

#include <QString>

class TListaCodigos;
class TXMLProject;

// A choice from a code list as the project document keeps it: the attribute "code" on the
// field's element, and a child "text" with the attribute "lang" = "es" holding the display
// name as CDATA. Both attributes are written even when empty.

// Writes the code, then the language, then the name.
void SaveCodedValue(TXMLProject& project, const QString& path, const QString& code,
                    const QString& name);
// The name as shown in its pick list, with the code the list gives it (empty when the list
// does not have the name).
void SaveCodedName(TXMLProject& project, const QString& path, const TListaCodigos& list,
                   const QString& name);
// The display name of a coded value; empty when there is none. The code is never read.
QString LoadCodedName(TXMLProject& project, const QString& path);
