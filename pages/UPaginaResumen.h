#pragma once

#include "pages/UPaginaFormulario.h"

// The page "Resumen del Proyecto" (resumenDelProyectoTab): keywords and summary in Spanish,
// then title, keywords and summary in English.
class TPaginaResumen : public TPaginaFormulario {
    Q_OBJECT
  public:
    explicit TPaginaResumen(QWidget* parent = nullptr);
};
