#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The bytes of an XML file with one attribute's value replaced and nothing else touched: for a
// change of one plain value (a digit flag) in a file that was just written, without building
// the whole file again from its document.
//
// The element is given as a document path ("project/document/isDraft/", relative to the first
// element of the file). The value is replaced only when the markup holds that element exactly
// once, with the attribute written once and holding exactly the old value; both values must be
// digits, which need no escaping in any encoding the program reads. Otherwise nothing is
// returned, and the caller writes the document as usual.
std::optional<QByteArray> ReemplazarValorAtributo(QByteArray xml, const QString& path,
                                                  const QString& name, const QString& oldValue,
                                                  const QString& newValue);
