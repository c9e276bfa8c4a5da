#include "verificador/UInforme.h"

#include <QRegularExpression>

QString TInforme::Oracion(const QString& motivo) {
    if (motivo.isEmpty())
        return motivo;
    QString oracion = motivo.at(0).toUpper() + motivo.mid(1);
    if (!oracion.endsWith(QLatin1Char('.')) && !oracion.endsWith(QLatin1Char('!')))
        oracion += QLatin1Char('.');
    return oracion;
}

QString TInforme::Veredicto(TResultadoEntrada::TVeredicto veredicto) {
    switch (veredicto) {
    case TResultadoEntrada::TVeredicto::Aprobado:
        return QStringLiteral("aprobado");
    case TResultadoEntrada::TVeredicto::Observado:
        return QStringLiteral("observado");
    case TResultadoEntrada::TVeredicto::Ilegible:
        break;
    }
    return QStringLiteral("ilegible");
}

QString TInforme::Tipo(TResultadoEntrada::TTipo tipo) {
    return tipo == TResultadoEntrada::TTipo::Paquete ? QStringLiteral("paquete")
                                                     : QStringLiteral("proyecto");
}

QStringList TInforme::Lineas(const QString& mensaje) {
    static const QRegularExpression kFinDeLinea(QStringLiteral("\\r\\n|\\r|\\n"));
    return mensaje.split(kFinDeLinea);
}

QString TInforme::Visible(const QString& texto) {
    QString visible;
    visible.reserve(texto.size());
    for (const QChar c : texto) {
        switch (c.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            visible +=
                QStringLiteral("\\u") +
                QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
            break;
        default:
            visible += c;
        }
    }
    return visible;
}
