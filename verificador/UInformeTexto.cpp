#include "verificador/UInformeTexto.h"

#include "rules/UVerificacion.h"
#include "verificador/USeccionHallazgo.h"

#include <QDir>

namespace {

QString Contar(int cuantos, const char* singular, const char* plural) {
    return QStringLiteral("%1 %2").arg(cuantos).arg(
        QString::fromUtf8(cuantos == 1 ? singular : plural));
}

} // namespace

QByteArray TInformeTexto::Inicio(const QString& instalacion) const {
    return QStringLiteral("Instalación: %1\n\n")
        .arg(QDir::toNativeSeparators(instalacion))
        .toUtf8();
}

QByteArray TInformeTexto::Entrada(const TResultadoEntrada& r) const {
    const bool paquete = r.tipo == TResultadoEntrada::TTipo::Paquete;
    QString texto = (paquete ? QStringLiteral("Paquete: ") : QStringLiteral("Proyecto: ")) +
                    Visible(QDir::toNativeSeparators(r.ruta)) + QLatin1Char('\n');
    if (!r.error.isEmpty()) {
        texto += QStringLiteral("  No se pudo leer: %1.\n").arg(Visible(r.error));
    } else {
        texto += r.problemas.empty()
                     ? QStringLiteral("  Integridad: sin problemas.\n")
                     : QStringLiteral("  Integridad: %1.\n")
                           .arg(Contar(int(r.problemas.size()), "problema", "problemas"));
        for (const TProblemaZip& problema : r.problemas)
            texto +=
                QStringLiteral("    - ") + Visible(Oracion(problema.motivo)) + QLatin1Char('\n');
        if (r.verificadoGuardado) {
            texto += *r.verificadoGuardado ? QStringLiteral("  Estado guardado: verificado.\n")
                                           : QStringLiteral("  Estado guardado: no verificado.\n");
            texto += r.hallazgos.IsEmpty()
                         ? QStringLiteral("  Verificación: sin observaciones.\n")
                         : QStringLiteral("  Verificación: %1.\n")
                               .arg(Contar(r.hallazgos.Count(), "observación", "observaciones"));
            for (int i = 0; i < r.hallazgos.Count(); ++i) {
                const THallazgo& hallazgo = r.hallazgos.At(i);
                const QString seccion = TSeccionHallazgo::Nombre(hallazgo.destino);
                QString prefijo = QStringLiteral("    ");
                if (!seccion.isEmpty())
                    prefijo += QLatin1Char('[') + seccion + QStringLiteral("] ");
                for (const QString& linea : Lineas(hallazgo.mensaje)) {
                    texto += prefijo + Visible(linea) + QLatin1Char('\n');
                    prefijo = QStringLiteral("      ");
                }
            }
            if (r.hallazgos.IsEmpty()) {
                for (const QString& linea : TVerificacion::MensajesExito())
                    texto += QStringLiteral("    ") + linea + QLatin1Char('\n');
            }
        } else {
            texto += QStringLiteral("  Verificación: no se pudo hacer.\n");
        }
    }
    texto += QStringLiteral("  Resultado: %1.\n\n").arg(Veredicto(r.Veredicto()).toUpper());
    return texto.toUtf8();
}

QByteArray TInformeTexto::Fin(const TResumen& resumen) const {
    const int total = resumen.aprobadas + resumen.observadas + resumen.ilegibles;
    return QStringLiteral("Total: %1; %2, %3, %4.\n")
        .arg(Contar(total, "entrada", "entradas"),
             Contar(resumen.aprobadas, "aprobada", "aprobadas"),
             Contar(resumen.observadas, "observada", "observadas"),
             Contar(resumen.ilegibles, "ilegible", "ilegibles"))
        .toUtf8();
}
