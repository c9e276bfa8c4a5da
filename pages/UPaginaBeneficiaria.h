#pragma once

#include "pages/UPaginaInstitucion.h"

class TCampoCuit;

// The page "Institución Beneficiaria" (institucionBeneficiariaTab), stored under
// "beneficiaria/document/properties/" with the legal address: identification, address, the
// legal representative and the organisation data with its CUIT/CUIL.
class TPaginaBeneficiaria : public TPaginaInstitucion {
    Q_OBJECT
  public:
    explicit TPaginaBeneficiaria(QWidget* parent = nullptr);

    // Every field, the CUIT/CUIL as typed and the three organisation choices last.
    void SaveBeneficiaria(TXMLProject& project) const { SaveInstitucion(project); }
    void LoadBeneficiaria(TXMLProject& project) { LoadInstitucion(project); }

    // The focus left the CUIT/CUIL field: the red label beside it says whether the number is
    // valid. The number stays as typed.
    void benCuitEditExit();

  private:
    TCampoCuit* cuit_;
};
