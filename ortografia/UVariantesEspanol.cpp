#include "ortografia/UVariantesEspanol.h"

#include <utility>

namespace {

// Letters written one for the other because they sound alike.
const std::pair<const char16_t*, const char16_t*> kConfusiones[] = {
    {u"j", u"g"}, {u"g", u"j"},  {u"b", u"v"},  {u"v", u"b"},   {u"s", u"c"},  {u"c", u"s"},
    {u"s", u"z"}, {u"z", u"s"},  {u"c", u"z"},  {u"z", u"c"},   {u"y", u"ll"}, {u"ll", u"y"},
    {u"i", u"y"}, {u"y", u"i"},  {u"k", u"c"},  {u"k", u"qu"},  {u"x", u"s"},  {u"s", u"x"},
    {u"h", u""},  {u"rr", u"r"}, {u"r", u"rr"}, {u"gu", u"gü"}, {u"cc", u"c"}, {u"c", u"cc"},
};

constexpr char16_t kVocales[] = u"aeiou";
constexpr char16_t kConTilde[] = u"áéíóú";

QString SinTildes(QString palabra) {
    for (int i = 0; i < 5; ++i)
        palabra.replace(QChar(kConTilde[i]), QChar(kVocales[i]));
    return palabra;
}

void Sumar(QStringList& variantes, const QString& variante, const QString& palabra) {
    if (!variante.isEmpty() && variante != palabra && !variantes.contains(variante))
        variantes.append(variante);
}

// The word as it is, without its accents, and with one accent on each of its vowels.
void SumarTildes(QStringList& variantes, const QString& base, const QString& palabra) {
    Sumar(variantes, base, palabra);
    const QString llana = SinTildes(base);
    Sumar(variantes, llana, palabra);
    for (qsizetype i = 0; i < llana.size(); ++i) {
        for (int v = 0; v < 5; ++v) {
            if (llana[i] == QChar(kVocales[v])) {
                QString acentuada = llana;
                acentuada[i] = QChar(kConTilde[v]);
                Sumar(variantes, acentuada, palabra);
            }
        }
    }
}

} // namespace

QStringList VariantesEspanol(const QString& palabra) {
    const QString minusculas = palabra.toLower();
    QStringList bases = {minusculas, QStringLiteral("h") + minusculas};
    for (const auto& [de, a] : kConfusiones) {
        const QString letras = QString::fromUtf16(de);
        for (qsizetype i = minusculas.indexOf(letras); i >= 0;
             i = minusculas.indexOf(letras, i + 1)) {
            bases.append(QString(minusculas).replace(i, letras.size(), QString::fromUtf16(a)));
        }
    }
    QStringList variantes;
    for (const QString& base : bases)
        SumarTildes(variantes, base, minusculas);
    // A capital at the start stays there.
    if (!palabra.isEmpty() && palabra[0].isUpper()) {
        for (QString& variante : variantes)
            variante[0] = variante[0].toUpper();
    }
    variantes.removeAll(palabra);
    return variantes;
}
