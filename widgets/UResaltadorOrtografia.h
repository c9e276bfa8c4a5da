#pragma once

#include "ortografia/UIdioma.h"

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

class QPlainTextEdit;
class TOrtografia;
class TRevisorOrtografia;

// Underlines the unknown words of a multi-line text with a wavy red line. Qt checks again only
// the paragraph that changed. The underline is drawn over the text and never becomes part of
// it: the text, its undo history and its modified state stay as they were.
class TResaltadorOrtografia : public QSyntaxHighlighter {
    Q_OBJECT
  public:
    // The text is checked as soon as the program waits for the user, not before: the start of
    // the program does not wait for a dictionary.
    TResaltadorOrtografia(QPlainTextEdit* memo, TOrtografia* ortografia, TIdioma idioma,
                          bool activo);

    QPlainTextEdit* Memo() const { return memo_; }
    TIdioma Idioma() const { return idioma_; }
    bool Activo() const { return activo_; }
    // Off takes every underline away; on checks the whole text again.
    void SetActivo(bool activo);
    // Checks the whole text again, after a word became known.
    void RevisarTodo();
    // The checker of the text's language while checking is on and a dictionary exists.
    TRevisorOrtografia* Revisor();
    // The format of an unknown word.
    static QTextCharFormat FormatoError();

  protected:
    void highlightBlock(const QString& text) override;

  private:
    QPlainTextEdit* memo_;
    TOrtografia* ortografia_;
    TIdioma idioma_;
    bool activo_ = false;
    // Set once the program waits for the user.
    bool listo_ = false;
};
