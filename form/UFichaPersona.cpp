#include "form/UFichaPersona.h"

#include "document/UArchivoProyecto.h"
#include "document/UXMLProject.h"
#include "form/UGrupo.h"

namespace {

QStringList BuildCampos() {
    QStringList campos = {
        QStringLiteral("rol"),
        QStringLiteral("nombre"),
        QStringLiteral("apellido"),
        QStringLiteral("tipoDocumento"),
        QStringLiteral("nroDocumento"),
        QStringLiteral("sexo"),
        QStringLiteral("paisNacimiento"),
        QStringLiteral("provinciaNacimiento"),
        QStringLiteral("fechaNacimiento"),
        QStringLiteral("estadoCivil"),
        QStringLiteral("laboralPais"),
        QStringLiteral("laboralProvincia"),
        QStringLiteral("laboralLocalidad"),
        QStringLiteral("laboralCodPostal"),
        QStringLiteral("laboralCalle"),
        QStringLiteral("laboralTelefono"),
        QStringLiteral("laboralEmail"),
        QStringLiteral("particularTelefono"),
        QStringLiteral("particularEmail"),
        QStringLiteral("curricularCV"),
        QStringLiteral("curricularTitulo"),
        QStringLiteral("curricularFormacion"),
        QStringLiteral("curricularActividades"),
        QStringLiteral("curricularArea"),
    };
    for (int n = 1; n <= 5; ++n) {
        for (const char* suffix : {"Organizacion", "Cargo", "Dedicacion", "FechaInicio"})
            campos.append(TFichaPersona::CampoEmpleador(n, QString::fromLatin1(suffix)));
    }
    return campos;
}

} // namespace

const QStringList& TFichaPersona::Campos() {
    static const QStringList campos = BuildCampos();
    return campos;
}

QString TFichaPersona::CampoEmpleador(int n, const QString& suffix) {
    return QStringLiteral("empleador") + QString::number(n) + suffix;
}

TFichaPersona TFichaPersona::Read(TGrupo& grupo, const QString& cuil) {
    TFichaPersona ficha;
    ficha.cuil_ = cuil;
    grupo.SelectParticipante(cuil);
    for (const QString& campo : Campos())
        ficha.valores_.insert(campo, grupo.GetField(campo));
    return ficha;
}

TFichaPersona TFichaPersona::ReadNode(const TXMLNode& participante) {
    TFichaPersona ficha;
    ficha.cuil_ = participante.Attribute(QStringLiteral("cuil"));
    for (const QString& campo : Campos())
        ficha.valores_.insert(campo, TGrupo::FieldOf(participante, campo));
    return ficha;
}

TFichaPersona TFichaPersona::ReadFile(const QString& fileName, const QString& grupo,
                                      const QString& cuil) {
    TXMLProject project(fileName);
    TGrupo accessor(project, grupo);
    TFichaPersona ficha = Read(accessor, cuil);
    // Reading may have added elements to the document; none of that is written.
    project.Discard();
    return ficha;
}

void TFichaPersona::Store(TGrupo& grupo) const {
    grupo.SelectParticipante(cuil_);
    for (const QString& campo : Campos())
        grupo.SetField(campo, Valor(campo));
}

void TFichaPersona::StoreNuevo(TGrupo& grupo) const {
    grupo.AppendParticipante(cuil_);
    for (const QString& campo : Campos())
        grupo.AppendField(campo, Valor(campo));
}

void TFichaPersona::StoreFile(const QString& fileName, const QString& grupo) const {
    TXMLProject project(fileName);
    TGrupo accessor(project, grupo);
    Store(accessor);
    // In the same write: the project changed, so it is no longer verified; and a file the
    // next start would ignore gets what makes it load.
    TArchivoProyecto::MarcarCambio(project);
    project.Save(true);
    project.Release();
}
