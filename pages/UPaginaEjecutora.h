#pragma once

#include "pages/UPaginaInstitucion.h"

// The page "Unidad Ejecutora" (unidadEjecutoraTab), stored under
// "ejecutora/document/properties/" with the postal address: identification, address, the
// legal representative and the year of foundation.
class TPaginaEjecutora : public TPaginaInstitucion {
    Q_OBJECT
  public:
    explicit TPaginaEjecutora(QWidget* parent = nullptr);

    void SaveEjecutora(TXMLProject& project) const { SaveInstitucion(project); }
    void LoadEjecutora(TXMLProject& project) { LoadInstitucion(project); }
};
