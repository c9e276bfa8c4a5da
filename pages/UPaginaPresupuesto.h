#pragma once

#include <QWidget>

class QTabWidget;

// The page "Detalle del Presupuesto del Proyecto" (detalleDelPresupuestoDelProyectoTab): the
// budget, one page a year in presupuestoAnioPageControl. The year pages keep their headers;
// the project's duration decides which of them are shown.
class TPaginaPresupuesto : public QWidget {
    Q_OBJECT
  public:
    explicit TPaginaPresupuesto(QWidget* parent = nullptr);

    // Shows or hides the page of a year of the project, 1 to 3.
    void SetAnioVisible(int anio, bool visible);

  private:
    QTabWidget* presupuestoAnioPageControl_;
};
