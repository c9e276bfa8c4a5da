#include "verificador/UInformeJson.h"

#include "verificador/USeccionHallazgo.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QByteArray Compacto(const QJsonObject& objeto) {
    return QJsonDocument(objeto).toJson(QJsonDocument::Compact);
}

QJsonValue TextoONulo(const QString& texto) {
    return texto.isEmpty() ? QJsonValue() : QJsonValue(texto);
}

} // namespace

QByteArray TInformeJson::Inicio(const QString& instalacion) const {
    primera_ = true;
    QByteArray inicio =
        Compacto({{QStringLiteral("programa"), QStringLiteral("velorn-verificar")},
                  {QStringLiteral("version"), QCoreApplication::applicationVersion()},
                  {QStringLiteral("instalacion"), instalacion}});
    inicio.chop(1); // the object goes on with the inputs
    return inicio + ",\"entradas\":[\n";
}

QByteArray TInformeJson::Entrada(const TResultadoEntrada& r) const {
    QJsonArray problemas;
    for (const TProblemaZip& problema : r.problemas)
        problemas.append(QJsonObject{{QStringLiteral("codigo"), problema.codigo},
                                     {QStringLiteral("mensaje"), Oracion(problema.motivo)}});
    QJsonArray hallazgos;
    for (int i = 0; i < r.hallazgos.Count(); ++i) {
        const THallazgo& hallazgo = r.hallazgos.At(i);
        hallazgos.append(QJsonObject{
            {QStringLiteral("seccion"), TextoONulo(TSeccionHallazgo::Nombre(hallazgo.destino))},
            {QStringLiteral("mensaje"), hallazgo.mensaje},
            {QStringLiteral("campo"), hallazgo.destino.campo},
            {QStringLiteral("anio"), TextoONulo(hallazgo.destino.anio)}});
    }
    const QJsonObject objeto{
        {QStringLiteral("ruta"), r.ruta},
        {QStringLiteral("tipo"), Tipo(r.tipo)},
        {QStringLiteral("veredicto"), Veredicto(r.Veredicto())},
        {QStringLiteral("error"), TextoONulo(r.error)},
        {QStringLiteral("problemas"), problemas},
        {QStringLiteral("verificadoGuardado"),
         r.verificadoGuardado ? QJsonValue(*r.verificadoGuardado) : QJsonValue()},
        {QStringLiteral("hallazgos"), hallazgos}};
    const QByteArray separador = primera_ ? QByteArray() : QByteArrayLiteral(",\n");
    primera_ = false;
    return separador + Compacto(objeto);
}

QByteArray TInformeJson::Fin(const TResumen& resumen) const {
    const QJsonObject cuentas{{QStringLiteral("aprobadas"), resumen.aprobadas},
                              {QStringLiteral("observadas"), resumen.observadas},
                              {QStringLiteral("ilegibles"), resumen.ilegibles}};
    return QByteArrayLiteral("\n],\"resumen\":") + Compacto(cuentas) + "}\n";
}
