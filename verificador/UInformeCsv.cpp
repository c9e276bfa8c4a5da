#include "verificador/UInformeCsv.h"

#include "verificador/USeccionHallazgo.h"

namespace {

QString Campo(QString texto) {
    if (!texto.contains(QLatin1Char(';')) && !texto.contains(QLatin1Char('"')) &&
        !texto.contains(QLatin1Char('\n')) && !texto.contains(QLatin1Char('\r')))
        return texto;
    texto.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + texto + QLatin1Char('"');
}

} // namespace

QByteArray TInformeCsv::Inicio(const QString&) const {
    return QByteArrayLiteral("\xEF\xBB\xBF"
                             "ruta;tipo;veredicto;verificado_guardado;problemas;observaciones;"
                             "detalle\r\n");
}

QByteArray TInformeCsv::Entrada(const TResultadoEntrada& r) const {
    QStringList detalle;
    if (!r.error.isEmpty())
        detalle.append(Oracion(QStringLiteral("no se pudo leer: ") + r.error));
    for (const TProblemaZip& problema : r.problemas)
        detalle.append(Oracion(problema.motivo));
    for (int i = 0; i < r.hallazgos.Count(); ++i) {
        const THallazgo& hallazgo = r.hallazgos.At(i);
        const QString seccion = TSeccionHallazgo::Nombre(hallazgo.destino);
        // One line per input: a message of several lines is written on one.
        const QString mensaje = Lineas(hallazgo.mensaje).join(QLatin1Char(' '));
        detalle.append(seccion.isEmpty() ? mensaje
                                         : QStringLiteral("[%1] %2").arg(seccion, mensaje));
    }
    const QString guardado = !r.verificadoGuardado   ? QString()
                             : *r.verificadoGuardado ? QStringLiteral("sí")
                                                     : QStringLiteral("no");
    const QStringList campos = {Campo(r.ruta),
                                Tipo(r.tipo),
                                Veredicto(r.Veredicto()),
                                guardado,
                                QString::number(r.problemas.size()),
                                QString::number(r.hallazgos.Count()),
                                Campo(detalle.join(QStringLiteral(" | ")))};
    return (campos.join(QLatin1Char(';')) + QStringLiteral("\r\n")).toUtf8();
}

QByteArray TInformeCsv::Fin(const TResumen&) const {
    return QByteArray();
}
