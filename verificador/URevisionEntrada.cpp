#include "verificador/URevisionEntrada.h"

#include "config/UConfiguracion.h"
#include "document/UArchivoProyecto.h"
#include "document/UErrores.h"
#include "document/UXMLProject.h"
#include "form/UDescripcionTecnica.h"
#include "package/ULectorPaquete.h"
#include "package/UNombrePortable.h"
#include "rules/URestricciones.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

namespace {

const QByteArray kProyecto = QByteArrayLiteral("proyecto.xml");
// Entries this program never writes are listed up to this many, then counted.
constexpr int kMaximoAjenas = 10;

TProblemaZip Problema(const char* codigo, const QString& motivo) {
    return {QString::fromLatin1(codigo), motivo};
}

void Agregar(TResultadoEntrada& resultado, const TProblemaZip& problema) {
    for (const TProblemaZip& visto : resultado.problemas) {
        if (visto.motivo == problema.motivo)
            return;
    }
    resultado.problemas.push_back(problema);
}

// The stored flag and the rules, for a document of the version this program writes.
void Verificar(TXMLProject& documento, const TRestricciones& reglas, const QString& instalacion,
               TResultadoEntrada& resultado) {
    if (!TArchivoProyecto::EsVersionActual(documento)) {
        Agregar(resultado,
                Problema("version", QStringLiteral("\"proyecto.xml\" no es un proyecto de la "
                                                   "versión %1 de este programa")
                                        .arg(TArchivoProyecto::VersionFormato())));
        return;
    }
    resultado.verificadoGuardado = TArchivoProyecto::Verificado(documento);
    // Each input its own: reading a configuration adds to its document.
    TConfiguracion configuracion(instalacion);
    configuracion.Open();
    reglas.CheckAll(documento, resultado.hallazgos, configuracion);
}

// The attachment the project names: there, whole (its CRC), and a PDF. Streamed, never held.
void RevisarAdjunto(TLectorPaquete& lector, const QString& nombre, TResultadoEntrada& resultado) {
    const QString entrada = TDescripcionTecnica::Entrada(nombre);
    const TEntradaZip* adjunto = lector.Indice().Buscar(entrada.toUtf8());
    if (adjunto == nullptr) {
        Agregar(resultado,
                Problema("sin-adjunto",
                         QStringLiteral("no contiene la descripción técnica \"%1\"").arg(entrada)));
        return;
    }
    QByteArray inicio;
    const std::optional<TProblemaZip> falla =
        lector.Comprobar(*adjunto, [&inicio](const char* datos, qsizetype size) {
            if (inicio.size() < 5)
                inicio.append(datos, std::min<qsizetype>(size, 5));
        });
    if (falla)
        Agregar(resultado, *falla);
    else if (!inicio.startsWith("%PDF-"))
        Agregar(resultado, Problema("no-pdf", QStringLiteral("la descripción técnica \"%1\" no "
                                                             "es un PDF")
                                                  .arg(entrada)));
    if (!IsPortableEntryName(entrada))
        Agregar(resultado,
                Problema("no-portable", QStringLiteral("el nombre de la entrada \"%1\" no se lee "
                                                       "igual en todos los sistemas")
                                            .arg(entrada)));
}

// Every entry besides the project and its attachment.
void RevisarAjenas(const TIndiceZip& indice, const QByteArray& adjunto,
                   TResultadoEntrada& resultado) {
    int ajenas = 0;
    for (const TEntradaZip& entrada : indice.Entradas()) {
        if (entrada.nombre == kProyecto || (!adjunto.isEmpty() && entrada.nombre == adjunto))
            continue;
        if (++ajenas <= kMaximoAjenas)
            Agregar(resultado, Problema("ajena", QStringLiteral("la entrada \"%1\" no es del "
                                                                "proyecto")
                                                     .arg(entrada.Nombre())));
    }
    if (ajenas > kMaximoAjenas)
        Agregar(resultado, Problema("ajena", QStringLiteral("hay %1 entradas más que no son del "
                                                            "proyecto")
                                                 .arg(ajenas - kMaximoAjenas)));
}

} // namespace

TRevisionEntrada::TRevisionEntrada(const QString& instalacion) : instalacion_(instalacion) {}

TResultadoEntrada TRevisionEntrada::Revisar(const QString& ruta) const {
    TResultadoEntrada resultado;
    resultado.ruta = ruta;
    const QFileInfo info(ruta);
    const bool paquete = info.suffix().compare(QLatin1String("zip"), Qt::CaseInsensitive) == 0 ||
                         (info.isFile() && TLectorPaquete::EsZip(ruta));
    resultado.tipo =
        paquete ? TResultadoEntrada::TTipo::Paquete : TResultadoEntrada::TTipo::Proyecto;
    if (!info.exists())
        resultado.error = QStringLiteral("no existe");
    else if (info.isDir())
        resultado.error = QStringLiteral("la carpeta no contiene paquetes ni proyectos");
    else if (!QFile(ruta).open(QIODevice::ReadOnly))
        resultado.error = QStringLiteral("no se pudo abrir");
    if (!resultado.error.isEmpty())
        return resultado;
    try {
        if (paquete)
            RevisarPaquete(resultado);
        else
            RevisarProyecto(resultado);
    } catch (const EVelornError& e) {
        Agregar(resultado, Problema("error", e.Message()));
    } catch (const std::exception& e) {
        // Never the end of the run: the other inputs are still checked.
        Agregar(resultado, Problema("error", QStringLiteral("no se pudo revisar (%1)")
                                                 .arg(QString::fromLocal8Bit(e.what()))));
    }
    return resultado;
}

void TRevisionEntrada::RevisarPaquete(TResultadoEntrada& resultado) const {
    TLectorPaquete lector(resultado.ruta);
    if (!lector.Abierto()) {
        resultado.error = QStringLiteral("no se pudo abrir");
        return;
    }
    const TIndiceZip& indice = lector.Indice();
    for (const TProblemaZip& problema : indice.Problemas())
        Agregar(resultado, problema);
    if (!indice.Legible())
        return;
    TProblemaZip problema;
    const std::optional<QByteArray> bytes = lector.Proyecto(problema);
    if (!bytes)
        Agregar(resultado, problema);
    std::unique_ptr<TXMLProject> documento;
    if (bytes) {
        try {
            documento =
                TXMLProject::FromBytes(*bytes, resultado.ruta + QStringLiteral("/proyecto.xml"));
        } catch (const EXMLError& e) {
            Agregar(resultado, Problema("xml", e.Message()));
        }
    }
    const QString nombre = documento ? TDescripcionTecnica::NombreGuardado(*documento) : QString();
    const bool conAdjunto = TDescripcionTecnica::EsNombreSimple(nombre);
    if (conAdjunto)
        RevisarAdjunto(lector, nombre, resultado);
    RevisarAjenas(indice, conAdjunto ? TDescripcionTecnica::Entrada(nombre).toUtf8() : QByteArray(),
                  resultado);
    if (!documento)
        return;
    const TRestricciones reglas([&indice](const QString& adjunto) {
        return TDescripcionTecnica::EsNombreSimple(adjunto) &&
               indice.Buscar(TDescripcionTecnica::Entrada(adjunto).toUtf8()) != nullptr;
    });
    Verificar(*documento, reglas, instalacion_, resultado);
    documento->Discard();
}

void TRevisionEntrada::RevisarProyecto(TResultadoEntrada& resultado) const {
    // The same bound as for the project inside a package: a file is read whole, once per thread.
    if (QFileInfo(resultado.ruta).size() > qint64(TLectorPaquete::kMaximoEntrada)) {
        Agregar(resultado, Problema("grande", QStringLiteral("el archivo supera los 64 MB")));
        return;
    }
    std::unique_ptr<TXMLProject> documento;
    try {
        documento = std::make_unique<TXMLProject>(resultado.ruta);
    } catch (const EXMLError& e) {
        Agregar(resultado, Problema("xml", e.Message()));
        return;
    }
    // The attachment beside the file, as the program keeps it beside its own.
    const QString carpeta = QFileInfo(resultado.ruta).absolutePath() + QLatin1Char('/');
    const TRestricciones reglas([&carpeta](const QString& adjunto) {
        return TDescripcionTecnica::EsNombreSimple(adjunto) &&
               QFileInfo(carpeta + TDescripcionTecnica::Entrada(adjunto)).isFile();
    });
    Verificar(*documento, reglas, instalacion_, resultado);
    documento->Discard();
}
