#pragma once

#include "pages/UTotalesPresupuesto.h"

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTabWidget;
class TDetallePresupuesto;
class TGrillaPresupuesto;
class TXMLProject;

// The page "Detalle del Presupuesto del Proyecto" (detalleDelPresupuestoDelProyectoTab): the
// budget lines of each project year with the year's totals, and the editor of one line.
// prespuestoPageControl switches between the list view (presupuestoVistaTab: "Nuevo",
// "Editar", "Eliminar" above the year pages of presupuestoAnioPageControl) and the line
// editor (presupuestoEditTab). The year pages keep their headers; the project's duration
// decides which of them are shown. The tables are the working copy of the budget: the
// project document receives it whole at every store.
class TPaginaPresupuesto : public QWidget {
    Q_OBJECT
  public:
    using TTipoTotal = TTotalesPresupuesto::TTipoTotal;

    explicit TPaginaPresupuesto(QWidget* parent = nullptr);

    // Shows or hides the page of a year of the project, 1 to 3. A hidden year keeps its lines.
    void SetAnioVisible(int anio, bool visible);
    bool AnioVisible(int anio) const;
    // True when the table of the year, 1 to 3, holds at least one line.
    bool AnioTieneLineas(int anio) const;

    // True while a line is open in the line editor.
    bool EditandoRenglon() const;
    // "Aplicar" on the open line, with all its checks; true when the line went into its table.
    bool AplicarRenglon();
    // The line editor.
    TDetallePresupuesto* Detalle() const { return detalle_; }
    // The view and edit pages are chosen by the page itself, never by tabs.
    void HidePageTabs();
    // Start-up: the tables' headers and widths, and the totals of the empty tables.
    void SetupPresupuestoGrids();
    // The section was chosen: the table view, an unapplied line being dropped.
    void ShowVista();
    // The view and edit pages (prespuestoPageControl), whose headers are hidden.
    QTabWidget* Hojas() const { return prespuestoPageControl_; }
    // Shows the page of the year "1", "2" or "3" with the focus in its table.
    void ShowYear(const QString& anio);

    // The table of the year "1", "2" or "3"; none for any other text.
    TGrillaPresupuesto* GridForYear(const QString& anio) const;
    // A total of the year "1", "2" or "3"; none for any other text.
    QLineEdit* SummaryFieldForYear(TTipoTotal kind, const QString& anio) const;
    // Recomputes the six totals of the year.
    void RecalcPresupuestoTotals(const QString& anio);

    // Rewrites "project/document/properties/presupuesto/": for every year shown, its lines in
    // table order, then its administration row and its annual-total row.
    void SavePresupuesto(TXMLProject& project) const;
    // Fills the tables from the stored lines (the computed rows are skipped and recomputed).
    // Stored amounts are read with either decimal separator and shown in the regional one.
    void LoadPresupuesto(TXMLProject& project);

    // Event handlers, named after their control and event.
    void presupuestoNuevoButtonClick();
    void presupuestoEditarButtonClick();
    void anioUnoStringGridDblClick();
    void anioDosStringGridDblClick();
    void anioTresStringGridDblClick();
    void presupuestoEliminarButtonClick();
    void presupuestoGuardarButtonClick();
    void presupuestoCancelarButtonClick();

  signals:
    // A line was applied or deleted: the tables differ from what was stored.
    void presupuestoModificado();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // What "Aplicar" does with the line in the editor.
    enum class TAccion { Nuevo, Editar, Ninguna };
    static constexpr int kAnios = 3;

    // Adds a line to the table when "Aplicar" is to add one; returns the table's last row.
    int AppendPresupuestoRow(TGrillaPresupuesto* grid);
    void SetPresupuestoEditMode(bool on);
    // Opens the table's current line in the editor; nothing when the table has no line.
    void EditPresupuestoRow(TGrillaPresupuesto* grid);
    // The year of the year page shown: "1", "2" or "3".
    QString ActiveYear() const;
    static int YearIndex(const QString& anio);

    QTabWidget* prespuestoPageControl_;
    QWidget* presupuestoVistaTab_;
    QWidget* presupuestoEditTab_;
    QPushButton* presupuestoNuevoButton_;
    QPushButton* presupuestoEditarButton_;
    QPushButton* presupuestoEliminarButton_;
    QTabWidget* presupuestoAnioPageControl_;
    TGrillaPresupuesto* grids_[kAnios];
    TTotalesPresupuesto* totales_[kAnios];
    TDetallePresupuesto* detalle_;
    TAccion accion_ = TAccion::Nuevo;
};
