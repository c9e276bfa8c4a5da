#pragma once

#include "ortografia/UIdioma.h"
#include "ortografia/UListaPersonal.h"
#include "ortografia/UPalabrasTexto.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class TDiccionario;

// Spell checking in one language: the dictionary, the user's own words and the words ignored
// for the rest of the session. It only reads texts; it never changes one.
class TRevisorOrtografia {
  public:
    TRevisorOrtografia(TIdioma idioma, std::unique_ptr<TDiccionario> diccionario,
                       const QString& listaPersonal);
    ~TRevisorOrtografia();

    TIdioma Idioma() const { return idioma_; }
    // The words of the text that spell checking looks at and finds unknown.
    std::vector<TPalabraTexto> Errores(QStringView texto);
    bool Correcta(const QString& palabra);
    // At most as many as asked, the likeliest first.
    QStringList Sugerencias(const QString& palabra, int maximo);
    // Into the user's list for good; false, with the reason, when the list could not be
    // written (the word is known for this session all the same).
    bool Agregar(const QString& palabra, QString* error);
    // Known until the program ends.
    void Ignorar(const QString& palabra);
    const TListaPersonal& ListaPersonal() const { return lista_; }

  private:
    void Conocer(const QString& palabra);

    TIdioma idioma_;
    std::unique_ptr<TDiccionario> diccionario_;
    TListaPersonal lista_;
    // What the dictionary said of each word seen, so that a paragraph checked again after a
    // keystroke asks it only about the word that changed.
    QHash<QString, bool> vistas_;
};
