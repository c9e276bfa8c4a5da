#pragma once

#include "ortografia/UIdioma.h"

#include <QObject>

class QMenu;
class QPoint;
class TResaltadorOrtografia;

// The context menu of a checked text. On an unknown word it offers, above Qt's own edit menu,
// up to seven suggestions, "Agregar al diccionario" and "Ignorar"; elsewhere, and while
// checking is off, Qt's menu alone.
class TMenuOrtografia : public QObject {
    Q_OBJECT
  public:
    static constexpr int kMaximoSugerencias = 7;

    explicit TMenuOrtografia(TResaltadorOrtografia* resaltador);

    // The menu for a point of the text's viewport; the caller owns it.
    QMenu* Crear(const QPoint& posicion);

  signals:
    // A word was added to the user's list or ignored: every text of the language is to be
    // checked again.
    void palabraConocida(TIdioma idioma);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TResaltadorOrtografia* resaltador_;
};
