#pragma once

#include "pages/UPaginaFormulario.h"

class TConfiguracion;
class TGrupoAyuda;

// The page "Impacto del Proyecto" (impactoDelProyectoTab): four impact texts. The call decides
// which of them are shown, the captions of three and the help keywords of all four.
class TPaginaImpacto : public TPaginaFormulario {
    Q_OBJECT
  public:
    explicit TPaginaImpacto(QWidget* parent = nullptr);

    // Shows the page as the configuration sets it for the call with that caption: first the
    // visibility, then the captions, then the help keywords. The texts stay as they are.
    void ApplyConvocatoria(const TConfiguracion& configuracion, const QString& caption);

  private:
    TGrupoAyuda* subareaGroupBox_;
    TGrupoAyuda* impactoSectorGroupBox_;
    TGrupoAyuda* impactoInstitucionGroupBox_;
    TGrupoAyuda* impactoCampoGroupBox_;
};
