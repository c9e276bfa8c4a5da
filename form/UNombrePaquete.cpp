#include "form/UNombrePaquete.h"

#include "document/UArchivoProyecto.h"
#include "document/UCarpetaTrabajo.h"
#include "document/UErrores.h"
#include "document/UXMLProject.h"
#include "form/UGrupo.h"

#include <QFileInfo>

namespace {

bool IsFileName(const QString& name) {
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            return false;
    }
    return true;
}

} // namespace

QString GetPackageName() {
    const QString path = TArchivoProyecto::Nombre();
    // Opening a missing file would start an empty document; there is no package without one.
    if (!QFileInfo(path).isFile())
        throw EVelornError(QStringLiteral("No se encontró el archivo \"proyecto.xml\"."));
    TXMLProject document(path);
    const QString numero = TGrupo(document, TGrupo::GrupoResponsable()).GetResponsableDocumento();
    document.Discard();
    if (numero.isEmpty())
        throw EVelornError(
            QStringLiteral("No hay un Investigador Responsable con número de documento."));
    if (!IsFileName(numero))
        throw EVelornError(QStringLiteral("El número de documento \"%1\" no sirve como nombre "
                                          "de archivo.")
                               .arg(numero));
    return numero;
}
