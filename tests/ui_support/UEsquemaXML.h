#pragma once

#include <QByteArray>
#include <QString>

// An outline of the element at the node path of an XML file, one line a node, two blanks a
// level: an element as its name and its attributes in order (name="value"), a CDATA section as
// <![CDATA[value]]>, a text as "value". Whitespace between elements is not part of it, so the
// outline shows what a file holds whatever its indentation. Empty when there is no such
// element.
QString Outline(const QByteArray& file, const QString& path);
