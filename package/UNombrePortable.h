#pragma once

#include <QString>

// File names that every system the package reaches reads the same way. The agency opens the
// packages on Windows, where "\" and ":" separate folders and drives, some characters are not
// allowed, a trailing dot or blank is dropped and device names such as "CON" or "LPT1" name no
// file; a name with any of these would be extracted elsewhere or not at all.

// Empty when the name can be used as is; otherwise the message telling the user why the
// attachment was refused.
QString AttachmentNameProblem(const QString& name);

// Whether every "/"-separated part of an entry name is such a name.
bool IsPortableEntryName(const QString& entryName);
