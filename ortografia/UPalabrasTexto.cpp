#include "ortografia/UPalabrasTexto.h"

#include <QString>
#include <QStringList>

namespace {

bool EsDeLaPalabra(QChar c) {
    return c.isLetterOrNumber() || c.isMark();
}

bool EsApostrofo(QChar c) {
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}

// Where the piece of text between blanks starts and ends once the signs around it are off:
// "(www.ejemplo.org)," is the address "www.ejemplo.org".
QStringView SinSignosAlrededor(QStringView trozo) {
    qsizetype inicio = 0;
    qsizetype fin = trozo.size();
    while (inicio < fin && !EsDeLaPalabra(trozo[inicio]))
        ++inicio;
    while (fin > inicio && !EsDeLaPalabra(trozo[fin - 1]) && trozo[fin - 1] != QLatin1Char('/'))
        --fin;
    return trozo.sliced(inicio, fin - inicio);
}

// The last label of a host name that makes "nombre.org" an address rather than two words
// with a missing blank.
bool EsDominioConocido(QStringView etiqueta) {
    static const QStringList kDominios = {
        QStringLiteral("com"), QStringLiteral("org"), QStringLiteral("net"), QStringLiteral("edu"),
        QStringLiteral("gov"), QStringLiteral("gob"), QStringLiteral("int"), QStringLiteral("info"),
        QStringLiteral("ar"),  QStringLiteral("es"),  QStringLiteral("uy"),  QStringLiteral("cl"),
        QStringLiteral("br"),  QStringLiteral("mx"),  QStringLiteral("io")};
    for (const QString& dominio : kDominios) {
        if (etiqueta.compare(dominio, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool EsDireccion(QStringView trozo) {
    const QStringView nucleo = SinSignosAlrededor(trozo);
    if (nucleo.isEmpty())
        return false;
    if (nucleo.contains(QStringLiteral("://")) ||
        nucleo.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
        return true;
    // An e-mail address: something on both sides of "@".
    const qsizetype arroba = nucleo.indexOf(QLatin1Char('@'));
    if (arroba > 0 && arroba + 1 < nucleo.size())
        return true;
    // A bare host name with an optional path: "conicet.gov.ar/becas".
    const QStringView host = nucleo.left(nucleo.indexOf(QLatin1Char('/')));
    const qsizetype punto = host.lastIndexOf(QLatin1Char('.'));
    return punto > 0 && EsDominioConocido(host.sliced(punto + 1));
}

bool SeRevisa(QStringView palabra) {
    bool minuscula = false;
    for (const QChar c : palabra) {
        if (c.isDigit() || c.isNumber())
            return false;
        minuscula = minuscula || c.isLower();
    }
    // A word in capitals only is an acronym.
    return minuscula;
}

} // namespace

std::vector<TPalabraTexto> PalabrasTexto(QStringView texto) {
    std::vector<TPalabraTexto> palabras;
    const qsizetype n = texto.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && texto[i].isSpace())
            ++i;
        qsizetype finTrozo = i;
        while (finTrozo < n && !texto[finTrozo].isSpace())
            ++finTrozo;
        if (EsDireccion(texto.sliced(i, finTrozo - i))) {
            i = finTrozo;
            continue;
        }
        while (i < finTrozo) {
            if (!EsDeLaPalabra(texto[i]) || texto[i].isMark()) {
                ++i;
                continue;
            }
            qsizetype fin = i + 1;
            while (fin < finTrozo &&
                   (EsDeLaPalabra(texto[fin]) ||
                    (EsApostrofo(texto[fin]) && fin + 1 < finTrozo && texto[fin + 1].isLetter())))
                ++fin;
            if (SeRevisa(texto.sliced(i, fin - i)))
                palabras.push_back({i, fin - i});
            i = fin;
        }
    }
    return palabras;
}
