#pragma once

#include <QStringList>
#include <QWidget>

class QTextEdit;
class TBarraSeguirEditando;

// The main page "Verificar" (verificarTab), where the verify command shows its findings in
// the box verificarRichEdit: one message a broken rule, in red, or two green lines when the
// project passed.
class TPaginaVerificar : public QWidget {
    Q_OBJECT
  public:
    explicit TPaginaVerificar(QWidget* parent = nullptr);

    TBarraSeguirEditando* Barra() const { return barra_; }

    // Empties the box.
    void Clear();
    // Adds the messages below those shown, one after the other; a carriage return inside a
    // message starts a new line.
    void AddMessages(const QStringList& messages);
    // Verified: appends the two success lines in green. Otherwise colours every message red.
    // The caret goes to the start, nothing selected.
    void ShowOutcome(bool verified);

  private:
    QTextEdit* verificarRichEdit_;
    TBarraSeguirEditando* barra_;
};
