#pragma once

#include <QWidget>

class TBarraSeguirEditando;

// The main page "Verificar" (verificarTab), where the verify command shows its findings.
class TPaginaVerificar : public QWidget {
    Q_OBJECT
  public:
    explicit TPaginaVerificar(QWidget* parent = nullptr);

    TBarraSeguirEditando* Barra() const { return barra_; }

  private:
    TBarraSeguirEditando* barra_;
};
