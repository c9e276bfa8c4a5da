#pragma once

#include "pages/UPaginaFormulario.h"

// The page "Datos Complementarios" (datosComplementariosTab): researchers recused as
// evaluators, ethical and environmental safeguards, other remarks.
class TPaginaDatosComplementarios : public TPaginaFormulario {
    Q_OBJECT
  public:
    explicit TPaginaDatosComplementarios(QWidget* parent = nullptr);
};
