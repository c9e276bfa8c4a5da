#pragma once

#include "ortografia/UIdioma.h"

#include <memory>

class TRevisorOrtografia;

// The program's spell checkers, one per language, each made the first time a text of its
// language is checked: loading a dictionary takes a moment the start of the program need not
// wait for.
class TOrtografia {
  public:
    TOrtografia();
    ~TOrtografia();

    // Null when no dictionary of the language was found or could be read: texts in it are
    // then not checked, and nothing is said about it.
    TRevisorOrtografia* Revisor(TIdioma idioma);

  private:
    struct TEntrada {
        bool buscado = false;
        std::unique_ptr<TRevisorOrtografia> revisor;
    };
    TEntrada espanol_;
    TEntrada ingles_;
};
