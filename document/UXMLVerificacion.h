#pragma once

#include <QByteArray>
#include <QString>

#include <string>

namespace pugi {
class xml_document;
} // namespace pugi

// The checks that make a parsed file count as well-formed XML where the parser is lenient, so
// that the program never reads a file other XML tools reject, nor writes one back. Also
// resolves the references in text and attribute values, which the parser leaves as they are.
//
// text is the buffer the document was parsed from in place (its values point into it, and
// references are resolved there), bytes the file it was read from, in which positions are
// reported by line and column. Raises EXMLError naming fileName.
void VerifyParsedDocument(pugi::xml_document& document, std::string& text, const QByteArray& bytes,
                          const QString& fileName);

// The deepest nesting of elements a file may have. The program's files nest a few levels;
// anything far deeper is no file of the program.
constexpr int kMaxXmlDepth = 100;

// Whether the UTF-8 name is an XML name that ISO-8859-1 output can hold, so that it reads
// back as the same name.
bool IsWritableXmlName(const char* utf8);
