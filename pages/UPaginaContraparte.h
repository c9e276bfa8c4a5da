#pragma once

#include "pages/UPaginaFormulario.h"

// The page "Contraparte" (contraparteTab): infrastructure and equipment the executing unit
// already has.
class TPaginaContraparte : public TPaginaFormulario {
    Q_OBJECT
  public:
    explicit TPaginaContraparte(QWidget* parent = nullptr);
};
