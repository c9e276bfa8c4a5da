#pragma once

#include <QString>
#include <QWidget>

class QTabWidget;
class TGrillaGrupo;
class TPaginaPersona;
class TXMLProject;

// The page "Conformación del Grupo" (conformacionDelGrupoTab): the lists of the responsible
// and of the collaborating group and the person page, as three sheets of grupoPageControl
// whose tabs are hidden. The lists are views of "proyecto.xml": every applied or removed
// person is written into the file at once, and the list changes only with the file.
class TPaginaGrupos : public QWidget {
    Q_OBJECT
  public:
    // Sheets of grupoPageControl.
    enum TSheet { kResponsableSheet = 0, kEditSheet = 1, kColaboradorSheet = 2 };

    explicit TPaginaGrupos(QWidget* parent = nullptr);

    // The headers of both lists.
    void SetupGrupoGrids();
    // The country and province pick lists of the person page.
    void FillPickLists();
    // The sheets are chosen by the section list and the commands, never by tabs.
    void HidePageTabs();
    // Shows a list sheet (kResponsableSheet or kColaboradorSheet).
    void ShowSheet(int index);
    // The list sheet a control belongs to: the collaborating group's list for its table,
    // the responsible group's for everything else of the page.
    int ListSheetOf(const QWidget* control) const;
    // The page's sheets (grupoPageControl), whose headers are hidden.
    QTabWidget* Hojas() const { return grupoPageControl_; }

    // Appends one row per person of the group, in document order; the grid must be empty.
    void LoadGrupoGrid(TXMLProject& project, TGrillaGrupo* grid, const QString& grupo);
    void LoadGrupoResponsable(TXMLProject& project);
    void LoadGrupoColaborador(TXMLProject& project);
    // Both lists anew from the project, whatever they showed.
    void RecargarGrupos(TXMLProject& project);

    // "Nuevo", "Editar" (also a double click on a list) and "Eliminar" on the active list
    // sheet; "Aplicar" and "Cancelar" on the person page.
    void grupoResponsableNuevoButtonClick();
    void grupoResponsableEditarButtonClick();
    void grupoResponsableEliminarButtonClick();
    void grupoEditGuardarButtonClick();
    void grupoEditCancelarButtonClick();

    // True while a person opened with "Nuevo" or "Editar" is shown on the person page.
    bool EditandoPersona() const;
    // "Aplicar" on the person page, with all its checks; true when the person was stored.
    bool AplicarPersona();

    // Shows the person page, remembering the list it was opened from, or goes back to that
    // list; either way from the top of the person page, with CUIL and rol enabled.
    void ShowGrupoEdit(bool show);
    // When the grid shows the CUIL, says so naming the group and yields true.
    bool CheckDuplicateCuil(const TGrillaGrupo* grid, const QString& cuil,
                            const QString& grupoLabel) const;

    TGrillaGrupo* grupoResponsableStringGrid() const { return grupoResponsableStringGrid_; }
    TGrillaGrupo* grupoColaboradorStringGrid() const { return grupoColaboradorStringGrid_; }
    TPaginaPersona* Persona() const { return persona_; }

  signals:
    // A person was stored or removed: the project must be verified again.
    void grupoModificado();

  private:
    enum class TModo { Ninguno, Nuevo, Editar };

    QWidget* NewListSheet(const QString& name, const QString& prefix, TGrillaGrupo* grid);
    // The grid and group of a sheet: the responsible group for sheet 0, else the other.
    TGrillaGrupo* GridOf(int sheet) const;
    static QString GrupoOf(int sheet);
    int ActiveSheet() const;

    QTabWidget* grupoPageControl_;
    TGrillaGrupo* grupoResponsableStringGrid_;
    TGrillaGrupo* grupoColaboradorStringGrid_;
    TPaginaPersona* persona_;
    TModo modo_ = TModo::Ninguno;
    int origen_ = kResponsableSheet;
};
