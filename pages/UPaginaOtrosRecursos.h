#pragma once

#include "pages/UPaginaFormulario.h"

class QPlainTextEdit;

// The page "Otros Recursos" (otrosRecursosTab): other resources assigned to the project. Its
// memo takes no line break from the Enter key.
class TPaginaOtrosRecursos : public TPaginaFormulario {
    Q_OBJECT
  public:
    explicit TPaginaOtrosRecursos(QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPlainTextEdit* otrosRecursosMemo_;
};
