#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The user's own words for one language: a file in the user's settings folder, one word a
// line, UTF-8. Every addition rewrites the whole file atomically, keeping the words another
// running copy of the program wrote into it meanwhile.
class TListaPersonal {
  public:
    // Reads the file; a missing one is an empty list.
    explicit TListaPersonal(const QString& path);

    const QString& Ruta() const { return path_; }
    // In the order they were added.
    const QStringList& Palabras() const { return palabras_; }
    bool Contiene(const QString& palabra) const { return conjunto_.contains(palabra); }
    // False, with the reason, when the file could not be written; the word is in the list for
    // this session all the same.
    bool Agregar(const QString& palabra, QString* error);

  private:
    void Leer();
    void Sumar(const QString& palabra);

    QString path_;
    QStringList palabras_;
    QSet<QString> conjunto_;
};
