#include "document/UArchivoProyecto.h"

#include "config/URegional.h"
#include "document/UAtributoEnBytes.h"
#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"

#include <QDate>
#include <QFileInfo>

namespace {

const QString kSoft = QStringLiteral("soft/");
const QString kVersion = QStringLiteral("version");
const QString kIsDraft = QStringLiteral("project/document/isDraft/");
const QString kValue = QStringLiteral("value");
const QString kFechaAlta = QStringLiteral("project/document/properties/fechaAlta/");

} // namespace

QString TArchivoProyecto::Nombre() {
    return WorkingFolder() + QStringLiteral("proyecto.xml");
}

QString TArchivoProyecto::VersionFormato() {
    return QStringLiteral("2");
}

bool TArchivoProyecto::EsVersionActual(TXMLProject& project) {
    return project.GetAttribute(kSoft, kVersion, QString()) == VersionFormato();
}

void TArchivoProyecto::EscribirEsqueleto(TXMLProject& project) {
    project.SetAttribute(kSoft, kVersion, VersionFormato());
    // The creation date is written once and then kept.
    if (project.GetText(kFechaAlta, QString()).isEmpty())
        project.SetText(kFechaAlta, QDate::currentDate().toString(Regional().ShortDateFormat()));
}

bool TArchivoProyecto::Verificado(TXMLProject& project) {
    return project.GetAttributeInt(kIsDraft, kValue, false);
}

void TArchivoProyecto::SetVerificado(TXMLProject& project, bool verificado) {
    project.SetAttributeInt(kIsDraft, kValue, verificado);
}

void TArchivoProyecto::GuardarVerificado(TXMLProject& project, QByteArray read, bool verificado) {
    const bool yaModificado = project.IsModified();
    const QString antes = project.GetAttribute(kIsDraft, kValue, QString());
    SetVerificado(project, verificado);
    if (project.IsModified() && !yaModificado && !read.isEmpty()) {
        const std::optional<QByteArray> bytes =
            ReemplazarValorAtributo(std::move(read), kIsDraft, kValue, antes,
                                    project.GetAttribute(kIsDraft, kValue, QString()));
        if (bytes) {
            project.SaveBytes(*bytes);
            project.Discard();
            return;
        }
    }
    project.Release();
}

void TArchivoProyecto::MarcarCambio(TXMLProject& project) {
    if (!EsVersionActual(project))
        EscribirEsqueleto(project);
    SetVerificado(project, false);
}

void TArchivoProyecto::AnularVerificacion() {
    if (!QFileInfo::exists(Nombre()))
        return;
    TXMLProject project(Nombre());
    // Only a verified file changes; any other is left exactly as it is.
    if (project.GetAttribute(kIsDraft, kValue, QString()) != QLatin1String("1")) {
        project.Discard();
        return;
    }
    SetVerificado(project, false);
    project.Release();
}
