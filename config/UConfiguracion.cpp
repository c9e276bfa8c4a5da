#include "config/UConfiguracion.h"

#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"

#include <QFileInfo>

namespace {
const QString kConvocatorias = QStringLiteral("convocatorias/");
} // namespace

TConfiguracion::TConfiguracion() : baseFolder_(WorkingFolder()) {}

TConfiguracion::TConfiguracion(const QString& carpeta)
    : baseFolder_(carpeta.endsWith(QLatin1Char('/')) ? carpeta : carpeta + QLatin1Char('/')) {}

TConfiguracion::~TConfiguracion() {
    if (document_)
        document_->Discard();
}

void TConfiguracion::Open() {
    auto document = std::make_unique<TXMLProject>(baseFolder_ + QStringLiteral("config.xml"));
    if (document_)
        document_->Discard();
    document_ = std::move(document);
}

QString TConfiguracion::GetBienvenida() const {
    if (!document_)
        return QString();
    return document_->GetText(QStringLiteral("bienvenida/"), QString());
}

QStringList TConfiguracion::GetConvocatorias() const {
    QStringList captions;
    if (!document_)
        return captions;
    for (const TXMLNode& call : document_->GetNode(kConvocatorias).Children())
        captions.append(call.Attribute(QStringLiteral("caption")));
    return captions;
}

QString TConfiguracion::GetConvocatoriaFile(const QString& caption) const {
    if (!document_)
        return QString();
    const TXMLNode call =
        document_->FindChildByAttribute(kConvocatorias, QStringLiteral("caption"), caption);
    return call.IsNull() ? QString() : call.Attribute(QStringLiteral("file"));
}

QString TConfiguracion::GetConvocatoriaType(const QString& caption) const {
    if (!document_)
        return QString();
    const TXMLNode call =
        document_->FindChildByAttribute(kConvocatorias, QStringLiteral("caption"), caption);
    return call.IsNull() ? QString() : call.Attribute(QStringLiteral("type"));
}

QString TConfiguracion::PerTypeValue(const QString& section, const QString& caption,
                                     const QString& item, const QString& defaultValue) const {
    if (!document_)
        return defaultValue;
    const QString type = GetConvocatoriaType(caption);
    const TXMLNode entry = document_->FindChildByAttribute(section + item + QLatin1Char('/'),
                                                           QStringLiteral("convocatoria"), type);
    if (entry.IsNull())
        return defaultValue;
    return entry.Attribute(QStringLiteral("value"));
}

bool TConfiguracion::IsVisible(const QString& caption, const QString& item) const {
    return PerTypeValue(QStringLiteral("visibilidad/"), caption, item, QStringLiteral("1")) ==
           QLatin1String("1");
}

QString TConfiguracion::GetLabel(const QString& caption, const QString& item) const {
    return PerTypeValue(QStringLiteral("labels/"), caption, item, QStringLiteral("#Error"));
}

QString TConfiguracion::GetHelp(const QString& caption, const QString& item) const {
    return PerTypeValue(QStringLiteral("help/"), caption, item,
                        QStringLiteral("No hay ayuda para este item"));
}

QString TConfiguracion::GetEjecutarSoft(const QString& name) const {
    const QString fileName = baseFolder_ + QStringLiteral("wrapper.xml");
    if (name.isEmpty() || !QFileInfo::exists(fileName))
        return QString();
    TXMLProject wrapper(fileName);
    const QString soft = wrapper.GetNode(QStringLiteral("ejecutar/") + name + QLatin1Char('/'))
                             .Attribute(QStringLiteral("soft"));
    wrapper.Discard();
    return soft;
}
