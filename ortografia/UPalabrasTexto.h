#pragma once

#include <QStringView>

#include <vector>

// A word of a text: where it starts and how many UTF-16 units it takes.
struct TPalabraTexto {
    qsizetype inicio;
    qsizetype largo;
    bool operator==(const TPalabraTexto&) const = default;
};

// The words of a text that spell checking looks at, in order. A word is a run of letters
// (accented ones, ñ, ü and combining accents included) with apostrophes inside it; hyphens,
// slashes and other signs separate words. Left out: words in capitals only (acronyms), words
// with a digit in them, and every e-mail address and web address whole.
std::vector<TPalabraTexto> PalabrasTexto(QStringView texto);
