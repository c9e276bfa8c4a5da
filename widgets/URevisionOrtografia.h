#pragma once

#include "ortografia/UIdioma.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

class QPlainTextEdit;
class TOrtografia;
class TResaltadorOrtografia;

// Spell checking of a window's free texts: each multi-line text gets its underlining and its
// context menu, in its own language, and one switch turns all of them on or off.
class TRevisionOrtografia : public QObject {
    Q_OBJECT
  public:
    explicit TRevisionOrtografia(bool activa, QObject* parent = nullptr);
    ~TRevisionOrtografia() override;

    void Revisar(QPlainTextEdit* memo, TIdioma idioma);
    bool Activa() const { return activa_; }
    void SetActiva(bool activa);

  private:
    // Every text of the language, after a word of it became known.
    void RevisarDeNuevo(TIdioma idioma);

    std::unique_ptr<TOrtografia> ortografia_;
    QList<QPointer<TResaltadorOrtografia>> resaltadores_;
    bool activa_;
};
