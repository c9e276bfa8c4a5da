#include "form/UImportacion.h"

#include "document/UArchivoProyecto.h"
#include "form/UFichaPersona.h"
#include "form/UGrupo.h"
#include "form/UListasCodigo.h"
#include "ids/UCuitWeb.h"
#include "package/ULectorPaquete.h"

#include <QFileInfo>
#include <QSet>

namespace {

struct TCampoLista {
    const char* campo;
    const char* etiqueta;
    const TListaCodigos& (*lista)();
};

// The fields of a person that the pick lists of the code lists show, by name.
const TCampoLista kCamposPersona[] = {
    {"paisNacimiento", "País de Nacimiento", ListaPaises},
    {"provinciaNacimiento", "Provincia de Nacimiento", ListaProvincias},
    {"laboralPais", "País", ListaPaises},
    {"laboralProvincia", "Provincia", ListaProvincias},
};

// The coded values of an institution, below its "document/properties/"; the last three only
// the beneficiary has.
const TCampoLista kCamposInstitucion[] = {
    {"domicilio/pais/", "Pais", ListaPaises},
    {"domicilio/provincia/", "Provincia", ListaProvincias},
    {"tipoorganizacion/", "Tipo de Institución", ListaTiposInstitucion},
    {"tipogestion/", "Tipo de Gestión", ListaTiposGestion},
    {"region/", "Jurisdicción", ListaRegiones},
};

const TImportacion::TInstitucion kInstituciones[] = {
    {QStringLiteral("beneficiaria"), QStringLiteral("Institución Beneficiaria")},
    {QStringLiteral("dependencia"), QStringLiteral("Dependencia")},
    {QStringLiteral("ejecutora"), QStringLiteral("Unidad Ejecutora")},
};

QString Propiedades(const TImportacion::TInstitucion& institucion) {
    return institucion.raiz + QStringLiteral("/document/properties/");
}

// True when the element or any below it holds a text or an attribute value.
bool TieneValores(const TXMLNode& node) {
    if (node.HoldsText() && !node.Text().trimmed().isEmpty())
        return true;
    if (node.HasAttribute(QStringLiteral("code")) &&
        !node.Attribute(QStringLiteral("code")).isEmpty())
        return true;
    for (const TXMLNode& child : node.Children()) {
        if (TieneValores(child))
            return true;
    }
    return false;
}

QString NombreDe(const TImportacion::TPersona& persona) {
    return (persona.nombre + QLatin1Char(' ') + persona.apellido).trimmed() + QStringLiteral(" (") +
           persona.cuil + QLatin1Char(')');
}

QString FueraDeLista(const QString& donde, const QString& etiqueta, const QString& valor) {
    return QStringLiteral("%1: el valor \"%2\" de %3 ya no figura en la lista; elíjalo de nuevo.")
        .arg(donde, valor, etiqueta);
}

} // namespace

TImportacion::TImportacion(std::unique_ptr<TXMLProject> origen) : origen_(std::move(origen)) {}

TImportacion::~TImportacion() {
    // What was read, and what reading added, never goes back into the file.
    if (origen_)
        origen_->Discard();
}

std::unique_ptr<TImportacion> TImportacion::Abrir(const QString& path) {
    if (!QFileInfo(path).isFile())
        throw EVelornError(QStringLiteral("No se encontró el archivo \"%1\".").arg(path));
    std::unique_ptr<TXMLProject> origen =
        TLectorPaquete::EsZip(path) ? TXMLProject::FromBytes(TLectorPaquete::LeerProyecto(path),
                                                             path + QStringLiteral("/proyecto.xml"))
                                    : std::make_unique<TXMLProject>(path);
    if (!TArchivoProyecto::EsVersionActual(*origen)) {
        origen->Discard();
        throw EVelornError(QStringLiteral("El archivo \"%1\" no es un proyecto de la versión %2 "
                                          "de este programa; no se importó nada.")
                               .arg(path, TArchivoProyecto::VersionFormato()));
    }
    return std::unique_ptr<TImportacion>(new TImportacion(std::move(origen)));
}

std::vector<TImportacion::TPersona> TImportacion::Personas() const {
    std::vector<TPersona> personas;
    for (const QString& grupo : {TGrupo::GrupoResponsable(), TGrupo::GrupoColaborador()}) {
        // A set: a list looked through for every person made the time grow with their square.
        QSet<QString> vistos;
        for (const TXMLNode& persona : TGrupo(*origen_, grupo).ParticipantesPorCuil()) {
            const QString cuil = persona.Attribute(QStringLiteral("cuil"));
            if (cuil.isEmpty() || vistos.contains(cuil))
                continue;
            vistos.insert(cuil);
            personas.push_back({grupo, cuil, TGrupo::FieldOf(persona, QStringLiteral("nombre")),
                                TGrupo::FieldOf(persona, QStringLiteral("apellido")),
                                TGrupo::FieldOf(persona, QStringLiteral("rol")), persona});
        }
    }
    return personas;
}

std::vector<TImportacion::TInstitucion> TImportacion::Instituciones() const {
    std::vector<TInstitucion> instituciones;
    for (const TInstitucion& institucion : kInstituciones) {
        if (TieneValores(origen_->GetNode(Propiedades(institucion))))
            instituciones.push_back(institucion);
    }
    return instituciones;
}

TImportacion::TResultado TImportacion::ImportarPersonas(const std::vector<TPersona>& personas,
                                                        const QString& destino) {
    TResultado resultado;
    TXMLProject proyecto(destino);
    TGrupo responsables(proyecto, TGrupo::GrupoResponsable());
    TGrupo colaboradores(proyecto, TGrupo::GrupoColaborador());
    // What the checks look at, kept up to date as persons come in.
    const QStringList enResponsables = responsables.GetCuils();
    QSet<QString> cuilsResponsables(enResponsables.begin(), enResponsables.end());
    const QStringList enColaboradores = colaboradores.GetCuils();
    QSet<QString> cuilsColaboradores(enColaboradores.begin(), enColaboradores.end());
    bool hayResponsable = !responsables.GetResponsableCuil().isEmpty();
    for (const TPersona& persona : personas) {
        const bool responsable = persona.grupo == TGrupo::GrupoResponsable();
        QString motivo;
        if (!TCuitWeb().IsValidCuit(persona.cuil))
            motivo = QStringLiteral("El cuil ingresado no es válido");
        else if (cuilsResponsables.contains(persona.cuil))
            motivo = QStringLiteral("Ya existe una persona con ese cuil en el Grupo Responsable");
        else if (cuilsColaboradores.contains(persona.cuil))
            motivo = QStringLiteral("Ya existe una persona con ese cuil en el Grupo Colaborador");
        else if (responsable && persona.rol == TGrupo::RolInvestigadorResponsable() &&
                 hayResponsable)
            motivo = QStringLiteral("Ya existe un ") + persona.rol;
        if (!motivo.isEmpty()) {
            resultado.informe.append(
                QStringLiteral("No se importó a %1: %2.").arg(NombreDe(persona), motivo));
            continue;
        }
        TFichaPersona ficha = TFichaPersona::ReadNode(persona.participante);
        for (const TCampoLista& campo : kCamposPersona) {
            const QString nombre = QString::fromLatin1(campo.campo);
            const QString valor = ficha.Valor(nombre);
            if (!valor.isEmpty() && IndexOfItemText(campo.lista().Names(), valor) < 0) {
                ficha.SetValor(nombre, QString());
                resultado.informe.append(
                    FueraDeLista(NombreDe(persona), QString::fromUtf8(campo.etiqueta), valor));
            }
        }
        ficha.StoreNuevo(responsable ? responsables : colaboradores);
        (responsable ? cuilsResponsables : cuilsColaboradores).insert(persona.cuil);
        hayResponsable =
            hayResponsable || (responsable && persona.rol == TGrupo::RolInvestigadorResponsable());
        ++resultado.importadas;
    }
    if (resultado.importadas > 0) {
        TArchivoProyecto::MarcarCambio(proyecto);
        proyecto.Save(true);
    }
    proyecto.Discard();
    return resultado;
}

QStringList TImportacion::DepurarInstitucion(const TInstitucion& institucion) {
    QStringList informe;
    const bool beneficiaria = institucion.raiz == QLatin1String("beneficiaria");
    for (const TCampoLista& campo : kCamposInstitucion) {
        const QString path = Propiedades(institucion) + QString::fromLatin1(campo.campo);
        if (!beneficiaria && !path.endsWith(QLatin1String("pais/")) &&
            !path.endsWith(QLatin1String("provincia/")))
            continue;
        const QString code = origen_->GetAttribute(path, QStringLiteral("code"), QString());
        const QString name = origen_->GetText(path + QStringLiteral("text/"), QString());
        if (code.isEmpty() || campo.lista().Codes().contains(code))
            continue;
        // Left out: the page then shows no choice there.
        origen_->SetCData(path + QStringLiteral("text/"), QString());
        informe.append(FueraDeLista(institucion.nombre, QString::fromUtf8(campo.etiqueta),
                                    name.isEmpty() ? code : name));
    }
    return informe;
}
