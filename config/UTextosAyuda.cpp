#include "config/UTextosAyuda.h"

#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"

QString HelpTextFor(const QString& keyword) {
    TXMLProject ayuda(WorkingFolder() + QStringLiteral("ayuda.xml"));
    bool found = false;
    QString text;
    // Every match replaces the previous one: with repeated keywords the last entry counts.
    for (const TXMLNode& entry : ayuda.GetNode(QStringLiteral("ayudas/")).Children()) {
        if (entry.Attribute(QStringLiteral("id")) == keyword) {
            text = entry.Text();
            found = true;
        }
    }
    ayuda.Release();
    if (!found)
        return QStringLiteral("No hay ayuda sobre el tema [") + keyword + QLatin1Char(']');
    return text;
}
