#pragma once

#include <QWidget>

class TBarraSeguirEditando;

// The main page "Descripción Técnica" (descripcionTecnicaTab), where the technical
// description file is attached.
class TPaginaDescripcionTecnica : public QWidget {
    Q_OBJECT
  public:
    explicit TPaginaDescripcionTecnica(QWidget* parent = nullptr);

    TBarraSeguirEditando* Barra() const { return barra_; }

  private:
    TBarraSeguirEditando* barra_;
};
