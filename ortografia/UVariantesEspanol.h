#pragma once

#include <QString>
#include <QStringList>

// Spellings a Spanish writer most likely meant by an unknown word, for the dictionary to
// confirm: one letter swapped for another of the same sound (j/g, b/v, s/c/z, y/ll, a lost
// or extra h, ...), an accent moved, dropped or added, or both. hunspell's own suggestions
// weigh letters, not sounds: for "rejion" it offers "rejitan", never "región". The nearest
// come first; the word itself is never among them.
QStringList VariantesEspanol(const QString& palabra);
