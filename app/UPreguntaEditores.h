#pragma once

class QWidget;
class TPaginaGrupos;
class TPaginaPresupuesto;

// Before a store or a close: a person or a budget line still open in its editor is applied or
// dropped, as the user answers for each, so that a command never stores half of an edit.
class TPreguntaEditores {
  public:
    TPreguntaEditores(TPaginaGrupos* grupos, TPaginaPresupuesto* presupuesto);

    // Asks about every open editor in turn. The page of the editor the user goes back to (a
    // cancel, or data that do not apply), which keeps what was typed; nullptr when the command
    // may go on.
    QWidget* Preguntar() const;

  private:
    TPaginaGrupos* grupos_;
    TPaginaPresupuesto* presupuesto_;
};
