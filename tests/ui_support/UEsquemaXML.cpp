#include "ui_support/UEsquemaXML.h"

#include <pugixml.hpp>

#include <QStringList>

namespace {

void AddLines(const pugi::xml_node& node, int depth, QStringList& lines) {
    const QString indent(depth * 2, QLatin1Char(' '));
    switch (node.type()) {
    case pugi::node_element: {
        QString line = indent + QString::fromUtf8(node.name());
        for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
            line += QStringLiteral(" %1=\"%2\"")
                        .arg(QString::fromUtf8(a.name()), QString::fromUtf8(a.value()));
        lines.append(line);
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
            AddLines(child, depth + 1, lines);
        break;
    }
    case pugi::node_cdata:
        lines.append(indent + QStringLiteral("<![CDATA[") + QString::fromUtf8(node.value()) +
                     QStringLiteral("]]>"));
        break;
    case pugi::node_pcdata:
        lines.append(indent + QLatin1Char('"') + QString::fromUtf8(node.value()) +
                     QLatin1Char('"'));
        break;
    default:
        break;
    }
}

} // namespace

QString Outline(const QByteArray& file, const QString& path) {
    pugi::xml_document document;
    if (!document.load_buffer(file.constData(), size_t(file.size())))
        return QString();
    pugi::xml_node node = document.document_element();
    for (const QString& name : path.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        node = node.child(name.toUtf8().constData());
    if (!node)
        return QString();
    QStringList lines;
    AddLines(node, 0, lines);
    return lines.join(QLatin1Char('\n'));
}
