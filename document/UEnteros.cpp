#include "document/UEnteros.h"

bool TextToInt(const QString& text, int& value) {
    if (text.isEmpty())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool sign = i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+'));
        if (!sign && (c < QLatin1Char('0') || c > QLatin1Char('9')))
            return false;
    }
    bool ok = false;
    const int result = text.toInt(&ok, 10);
    if (ok)
        value = result;
    return ok;
}

int TextToIntDef(const QString& text, int fallback) {
    int value = 0;
    return TextToInt(text, value) ? value : fallback;
}

int DurationYears(const QString& text) {
    const int years = TextToIntDef(text, 1);
    return years >= 1 && years <= kMaxDurationYears ? years : 1;
}
