#include "verificador/UProgramaVerificador.h"

#include "config/UConfiguracion.h"
#include "document/UErrores.h"
#include "verificador/UInformeCsv.h"
#include "verificador/UInformeJson.h"
#include "verificador/UInformeTexto.h"
#include "verificador/UVerificador.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QRegularExpression>
#include <QThread>

#include <memory>

namespace {

void Escribir(QIODevice& destino, const QString& texto) {
    destino.write(texto.toUtf8());
}

int Rechazar(QIODevice& errores, const QString& motivo) {
    Escribir(errores, QStringLiteral("velorn-verificar: %1\nPruebe \"velorn-verificar --help\" "
                                     "para ver las opciones.\n")
                          .arg(motivo));
    return TProgramaVerificador::kIlegible;
}

// One line, written over itself, of how many inputs are done; cleared before the report goes on,
// which may go to the same terminal.
void Progreso(QIODevice& errores, qsizetype hechas, qsizetype total) {
    Escribir(errores, QStringLiteral("\rVerificando: %1 de %2").arg(hechas).arg(total));
}

void BorrarProgreso(QIODevice& errores) {
    Escribir(errores, QLatin1Char('\r') + QString(40, QLatin1Char(' ')) + QLatin1Char('\r'));
}

} // namespace

QString TProgramaVerificador::Ayuda() {
    return QStringLiteral(
        "Uso: velorn-verificar [opciones] ENTRADA...\n"
        "\n"
        "Verifica los paquetes (\".zip\") y los proyectos (\"proyecto.xml\") que escribe\n"
        "Velorn - Formulario Offline, con las mismas reglas y los mismos mensajes que el\n"
        "programa. Una ENTRADA es un paquete, un proyecto o una carpeta, que se recorre con\n"
        "sus subcarpetas.\n"
        "\n"
        "De cada entrada informa:\n"
        "  - la integridad del paquete: que tenga las entradas que escribe el programa y\n"
        "    ninguna otra, sus CRC, sus nombres, y que la descripción técnica esté y sea un\n"
        "    PDF;\n"
        "  - el estado verificado con que se guardó el proyecto;\n"
        "  - una verificación nueva, con las observaciones en el orden de la ventana.\n"
        "\n"
        "Opciones:\n"
        "  --json                 escribe un documento JSON, con un objeto por entrada\n"
        "  --csv                  escribe una tabla para una planilla, una línea por entrada\n"
        "  --instalacion CARPETA  la instalación cuyo \"config.xml\" y \"convoc/\" definen las\n"
        "                         convocatorias (por omisión, la carpeta del programa)\n"
        "  --hilos N              cuántas entradas se revisan a la vez (por omisión, una por\n"
        "                         núcleo)\n"
        "  -h, --help             muestra esta ayuda\n"
        "\n"
        "Estado de salida:\n"
        "  0  todas las entradas están aprobadas\n"
        "  1  alguna entrada tiene problemas u observaciones\n"
        "  2  alguna entrada no se pudo leer (las demás se informan igual), los\n"
        "     argumentos no son válidos o no se pudo escribir el informe\n"
        "\n"
        "No escribe nada en los paquetes ni en las carpetas que revisa.\n");
}

int TProgramaVerificador::Ejecutar(const QStringList& argumentos, QIODevice& salida,
                                   QIODevice& errores, bool terminal, const QString& instalacion) {
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption csv(QStringLiteral("csv"));
    const QCommandLineOption carpeta(QStringLiteral("instalacion"), QString(),
                                     QStringLiteral("CARPETA"), instalacion);
    const QCommandLineOption hilos(QStringLiteral("hilos"), QString(), QStringLiteral("N"),
                                   QString::number(QThread::idealThreadCount()));
    const QCommandLineOption ayuda(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({json, csv, carpeta, hilos, ayuda});
    if (!parser.parse(argumentos)) {
        // The parser's own texts are English.
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString nombre = parser.unknownOptionNames().constFirst();
            return Rechazar(
                errores,
                QStringLiteral("la opción \"%1%2\" no existe.")
                    .arg(nombre.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), nombre));
        }
        const QRegularExpressionMatch opcion =
            QRegularExpression(QStringLiteral("'([^']*)'")).match(parser.errorText());
        return Rechazar(
            errores,
            QStringLiteral("a la opción \"%1\" le falta su valor.").arg(opcion.captured(1)));
    }
    if (parser.isSet(ayuda)) {
        Escribir(salida, Ayuda());
        return kAprobado;
    }
    if (parser.isSet(json) && parser.isSet(csv))
        return Rechazar(errores, QStringLiteral("--json y --csv no se pueden usar juntas."));
    bool numero = false;
    const int cuantos = parser.value(hilos).toInt(&numero);
    if (!numero || cuantos < 1)
        return Rechazar(errores, QStringLiteral("--hilos espera un número mayor que cero."));
    if (parser.positionalArguments().isEmpty())
        return Rechazar(errores,
                        QStringLiteral("indique al menos un paquete, proyecto o carpeta."));

    const QString carpetaInstalacion = QDir(parser.value(carpeta)).absolutePath();
    const QString config = carpetaInstalacion + QStringLiteral("/config.xml");
    if (!QFileInfo(config).isFile())
        return Rechazar(errores, QStringLiteral("no se encontró \"%1\"; indique la instalación "
                                                "con --instalacion.")
                                     .arg(QDir::toNativeSeparators(config)));
    try {
        TConfiguracion(carpetaInstalacion).Open();
    } catch (const EVelornError& e) {
        return Rechazar(errores, e.Message());
    }

    std::unique_ptr<TInforme> informe;
    if (parser.isSet(json))
        informe = std::make_unique<TInformeJson>();
    else if (parser.isSet(csv))
        informe = std::make_unique<TInformeCsv>();
    else
        informe = std::make_unique<TInformeTexto>();

    const QStringList entradas = TVerificador::Entradas(parser.positionalArguments());
    TInforme::TResumen resumen;
    qsizetype hechas = 0;
    // A report cut short (a full disk, a closed pipe) must not pass for a whole one.
    bool escrito = true;
    const auto Informar = [&salida, &escrito](const QByteArray& parte) {
        if (escrito && salida.write(parte) != parte.size())
            escrito = false;
    };
    Informar(informe->Inicio(carpetaInstalacion));
    if (terminal)
        Progreso(errores, 0, entradas.size());
    TVerificador(carpetaInstalacion, cuantos).Revisar(entradas, [&](const TResultadoEntrada& r) {
        switch (r.Veredicto()) {
        case TResultadoEntrada::TVeredicto::Aprobado:
            ++resumen.aprobadas;
            break;
        case TResultadoEntrada::TVeredicto::Observado:
            ++resumen.observadas;
            break;
        case TResultadoEntrada::TVeredicto::Ilegible:
            ++resumen.ilegibles;
            break;
        }
        if (terminal)
            BorrarProgreso(errores);
        Informar(informe->Entrada(r));
        if (terminal && ++hechas < entradas.size())
            Progreso(errores, hechas, entradas.size());
    });
    Informar(informe->Fin(resumen));
    if (!escrito) {
        Escribir(errores, QStringLiteral("velorn-verificar: no se pudo escribir el informe: %1\n")
                              .arg(salida.errorString()));
        return kIlegible;
    }
    if (resumen.ilegibles > 0)
        return kIlegible;
    return resumen.observadas > 0 ? kObservado : kAprobado;
}
