#pragma once

#include "pages/UPaginaInstitucion.h"

class QLabel;

// The page "Institución Beneficiaria" (institucionBeneficiariaTab), stored under
// "beneficiaria/document/properties/" with the legal address: identification, address, the
// legal representative and the organisation data with its CUIT/CUIL.
class TPaginaBeneficiaria : public TPaginaInstitucion {
    Q_OBJECT
  public:
    explicit TPaginaBeneficiaria(QWidget* parent = nullptr);

    void FillPickLists() override;

    // Writes every field, then the CUIT/CUIL as typed and the three organisation choices.
    void SaveBeneficiaria(TXMLProject& project) const;
    void LoadBeneficiaria(TXMLProject& project);

    // The focus left the CUIT/CUIL field: the red label beside it says whether the number is
    // valid. The number stays as typed.
    void benCuitEditExit();

  private:
    QLineEdit* benCuitEdit_;
    QLabel* benCuilInvalidoLabel_;
    QComboBox* benTipoInstitucionComboBox_;
    QComboBox* benTipoGestionComboBox_;
    QComboBox* benRegionComboBox_;
};
