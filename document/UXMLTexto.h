#pragma once

#include <cstddef>
#include <string>

// Character conversions of the XML files: files are read in the encoding they declare and
// always written in ISO-8859-1. Nothing outside the document layer uses these.

// The file's bytes as UTF-8 text, decoded as the declaration (or a byte order mark) says:
// ISO-8859-1, Windows-1252, UTF-16 or UTF-8. Bytes that are not valid UTF-8 in a file that
// claims UTF-8 (or nothing) are read as Windows-1252, so no character turns into garbage.
std::string XmlBytesToUtf8(const char* bytes, size_t size);

// The encoding the file declares when the program cannot read it exactly (ISO-8859-15, say,
// which differs from ISO-8859-1 in eight characters); empty when the file can be read.
std::string UnreadableEncoding(const char* bytes, size_t size);

// Appenders of UTF-8 values to ISO-8859-1 output. Characters outside ISO-8859-1 become
// numeric character references; characters that XML 1.0 cannot carry at all are dropped,
// except vertical tab and form feed, which become line feeds.
// A name cannot hold references: false when it has a character outside ISO-8859-1.
bool AppendLatin1Name(std::string& out, const char* utf8);
void AppendEscapedText(std::string& out, const char* utf8);
void AppendEscapedAttribute(std::string& out, const char* utf8);
// Always starts with "<![CDATA[" and ends with "]]>"; characters a CDATA section cannot hold
// as they are (carriage return, characters outside ISO-8859-1, the "]]>" sequence) are written
// between sections, so the value reads back exactly.
void AppendCDataValue(std::string& out, const char* utf8);
