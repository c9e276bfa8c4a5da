#pragma once

#include "rules/UHallazgos.h"

#include <QStringList>
#include <QWidget>

#include <vector>

class QLabel;
class QTextEdit;
class TBarraSeguirEditando;

// The main page "Verificar" (verificarTab), where the verify command shows its findings in
// the box verificarRichEdit: one message a broken rule, in red, or two green lines when the
// project passed. Above the box, the count of findings; a double click or Enter on a finding
// leads to the field it is about.
class TPaginaVerificar : public QWidget {
    Q_OBJECT
  public:
    explicit TPaginaVerificar(QWidget* parent = nullptr);

    TBarraSeguirEditando* Barra() const { return barra_; }

    // Empties the box.
    void Clear();
    // Adds the findings' messages below those shown, one after the other (a carriage return
    // inside a message starts a new line), and shows how many there are.
    void AddHallazgos(const THallazgos& hallazgos);
    // Verified: appends the two success lines in green. Otherwise colours every message red.
    // The caret goes to the start, nothing selected.
    void ShowOutcome(bool verified);

  signals:
    // The user asked to go to what a finding is about.
    void irA(const TDestino& destino);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The finding shown on a line of the box; none for the success lines.
    const THallazgo* HallazgoEnLinea(int block) const;

    QLabel* verificarContadorLabel_;
    QTextEdit* verificarRichEdit_;
    THallazgos hallazgos_;
    // The first line of every finding in the box, and how many lines it takes.
    std::vector<std::pair<int, int>> lineas_;
    TBarraSeguirEditando* barra_;
};
