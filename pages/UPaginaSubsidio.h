#pragma once

#include "pages/UPaginaFormulario.h"

// The page "Justificación Subsidio" (subsidioSolicitadoTab): why the grant and the fellowship
// are requested.
class TPaginaSubsidio : public TPaginaFormulario {
    Q_OBJECT
  public:
    explicit TPaginaSubsidio(QWidget* parent = nullptr);
};
