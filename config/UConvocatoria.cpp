#include "config/UConvocatoria.h"

#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"

TConvocatoria::TConvocatoria() : baseFolder_(WorkingFolder()) {}

TConvocatoria::~TConvocatoria() {
    if (document_)
        document_->Discard();
}

void TConvocatoria::Open(const QString& file) {
    auto document = std::make_unique<TXMLProject>(baseFolder_ + QStringLiteral("convoc/") + file +
                                                  QStringLiteral(".xml"));
    if (document_)
        document_->Discard();
    document_ = std::move(document);
    file_ = file;
}

QString TConvocatoria::Text(const QString& path) const {
    return document_ ? document_->GetText(path, QString()) : QString();
}

QString TConvocatoria::Attribute(const QString& path, const QString& name) const {
    return document_ ? document_->GetAttribute(path, name, QString()) : QString();
}

QString TConvocatoria::GetAnoConvocatoria() const {
    return Text(QStringLiteral("properties/anoConvocatoria/"));
}

QString TConvocatoria::GetTipoConvocatoria() const {
    return Text(QStringLiteral("properties/tipoConvocatoria/text/"));
}

QString TConvocatoria::GetCategoria() const {
    return Text(QStringLiteral("properties/categoria/text/"));
}

QString TConvocatoria::GetTipoProyecto() const {
    return Text(QStringLiteral("properties/tipoProyecto/text/"));
}

QString TConvocatoria::GetFechaApertura() const {
    return Attribute(QStringLiteral("properties/fechas/fechaApertura/date/"),
                     QStringLiteral("valueDate"));
}

QString TConvocatoria::GetFechaCierre() const {
    return Attribute(QStringLiteral("properties/fechas/fechaCierre/date/"),
                     QStringLiteral("valueDate"));
}

QString TConvocatoria::GetDuracionMaxima() const {
    return Text(QStringLiteral("properties/params/duracionMaxima/"));
}
