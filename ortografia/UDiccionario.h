#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Hunspell;

// One hunspell dictionary, its ".aff" and ".dic" files: whether a word is in it and what it
// offers instead. Words go in and come out as Unicode; the 8-bit encoding the dictionary's
// SET line names (UTF-8, ISO8859-1 or ISO8859-15) stays inside.
class TDiccionario {
  public:
    // Null when either file cannot be read or the dictionary's encoding is none of those.
    static std::unique_ptr<TDiccionario> Abrir(const QString& aff, const QString& dic);
    ~TDiccionario();
    TDiccionario(const TDiccionario&) = delete;
    TDiccionario& operator=(const TDiccionario&) = delete;

    // A word the dictionary's encoding cannot hold is not in it.
    bool Correcta(const QString& palabra);
    // In the dictionary's order of likelihood.
    QStringList Sugerencias(const QString& palabra);
    // Known from now on, for as long as this object lives (and in its suggestions too).
    void Agregar(const QString& palabra);
    // The SET line's name, as the dictionary spells it.
    QString Codificacion() const;

  private:
    enum class TCodificacion { Utf8, Latin1, Latin9 };
    TDiccionario(std::unique_ptr<Hunspell> hunspell, TCodificacion codificacion);
    bool Codificar(const QString& palabra, std::string& bytes) const;
    QString Decodificar(const std::string& bytes) const;

    std::unique_ptr<Hunspell> hunspell_;
    TCodificacion codificacion_;
};
