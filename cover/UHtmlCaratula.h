#pragma once

#include <QByteArray>
#include <QString>

// Text handling of the cover pages: document values made safe for HTML, and the page turned
// into Windows-1252 bytes.

// The value as HTML text that prints as typed: "&", "<", ">" and the double quote become
// entity references, and control characters (line breaks, tabs) numeric character references,
// so that a value never breaks the page's single line.
QString HtmlEscape(const QString& value);

// One byte per character in Windows-1252; a character that code page lacks is written as a
// numeric character reference ("&#937;"), a lone surrogate as "&#65533;".
QByteArray ToWindows1252(const QString& html);
