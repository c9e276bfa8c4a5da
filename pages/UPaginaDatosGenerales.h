#pragma once

#include "pages/UPaginaFormulario.h"

class QComboBox;
class QLineEdit;
class TConfiguracion;
class TEditLimitado;
class TGrupoAyuda;
class TPaginaPresupuesto;
class TXMLProject;

// The page "Datos Generales" (datosGeneralesTab): title, duration, thematic areas, province and
// regional priority. The duration decides which years the budget shows.
class TPaginaDatosGenerales : public TPaginaFormulario {
    Q_OBJECT
  public:
    explicit TPaginaDatosGenerales(TPaginaPresupuesto* presupuesto, QWidget* parent = nullptr);

    // Fills the thematic area, province and regional priority pick lists from the code lists,
    // leaving them without a choice.
    void FillPickLists();

    // The call's choices of duration, "1" up to the call's maximum (none when the maximum is
    // not a whole number); no duration is chosen afterwards.
    void SetDuraciones(const QString& duracionMaxima);
    // Shows the regional priority only when the configuration asks for it for the call.
    void ApplyConvocatoria(const TConfiguracion& configuracion, const QString& caption);

    // Writes the general data. Without a regional priority for the call, the priority is
    // stored as "No Aplica", whatever the pick list shows.
    void SaveDatosGenerales(TXMLProject& project, bool prioridadRegional) const;
    // Reads the general data; the call's duration choices must be in place already.
    void LoadDatosGenerales(TXMLProject& project);

    // The duration chosen, as shown; empty when none is.
    QString Duracion() const;
    // Chooses the duration with that text; none when the pick list does not offer it.
    void SelectDuracion(const QString& duracion);

    // The duration was picked: the budget shows the years of the project. With no duration
    // chosen it shows the years up to the last one that holds lines, so none is lost.
    void duracionComboBoxChange();

  private:
    // The user picked a duration. One that would hide years holding budget lines is asked
    // about first; "No" keeps the previous duration.
    void duracionComboBoxActivated();

    TPaginaPresupuesto* presupuesto_;
    // The duration the budget's years follow, to go back to.
    QString duracionAplicada_;
    TEditLimitado* tituloEdit_;
    QComboBox* duracionComboBox_;
    QComboBox* areaTematicaComboBox_;
    QComboBox* provinciaComboBox_;
    TGrupoAyuda* areaPrioritariaGroupBox_;
    QComboBox* areaPrioritariaComboBox_;
    QComboBox* areaTematicaSecundariaComboBox_;
};
