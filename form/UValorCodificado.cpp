#include "form/UValorCodificado.h"

#include "document/UXMLProject.h"
#include "form/UListasCodigo.h"

namespace {
const QString kText = QStringLiteral("text/");
} // namespace

void SaveCodedValue(TXMLProject& project, const QString& path, const QString& code,
                    const QString& name) {
    project.ForceAttribute(path, QStringLiteral("code"), code);
    project.ForceAttribute(path + kText, QStringLiteral("lang"), QStringLiteral("es"));
    project.SetCData(path + kText, name);
}

void SaveCodedName(TXMLProject& project, const QString& path, const TListaCodigos& list,
                   const QString& name) {
    SaveCodedValue(project, path, list.CodeForName(name), name);
}

QString LoadCodedName(TXMLProject& project, const QString& path) {
    return project.GetText(path + kText, QString());
}
