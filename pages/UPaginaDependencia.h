#pragma once

#include "pages/UPaginaInstitucion.h"

// The page "Dependencia" (dependenciaTab), stored under "dependencia/document/properties/"
// with the postal address: identification and address only.
class TPaginaDependencia : public TPaginaInstitucion {
    Q_OBJECT
  public:
    explicit TPaginaDependencia(QWidget* parent = nullptr);

    void SaveDependencia(TXMLProject& project) const { SaveInstitucion(project); }
    void LoadDependencia(TXMLProject& project) { LoadInstitucion(project); }
};
