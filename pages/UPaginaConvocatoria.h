#pragma once

#include <QWidget>

class QBoxLayout;
class QComboBox;
class QLineEdit;
class TConfiguracion;
class TConvocatoria;
class TXMLProject;

// The page "Convocatoria" (convocatoriaTab): the call pick list and, read only, what the
// chosen call's descriptor says about it.
class TPaginaConvocatoria : public QWidget {
    Q_OBJECT
  public:
    explicit TPaginaConvocatoria(QWidget* parent = nullptr);

    // Offers the configuration's calls, in its order, with none chosen.
    void FillConvocatorias(const TConfiguracion& configuracion);
    // The caption of the chosen call; empty when none is chosen.
    QString Caption() const;
    // Chooses the call with that caption; none when it is not offered.
    void SelectConvocatoria(const QString& caption);
    // Shows the descriptor's values exactly as stored.
    void ShowConvocatoria(const TConvocatoria& convocatoria);
    // The maximum duration shown, as text.
    QString DuracionMaxima() const;

    // Writes the chosen call into the project: its caption and the values shown.
    void SaveConvocatoria(TXMLProject& project) const;

  signals:
    // The user picked a call (also the one already chosen).
    void convocatoriaNameComboBoxChange();

  private:
    void AddGrupo(const QString& name, const QString& caption, QWidget* control);
    QLineEdit* AddCampo(const char* name, const QString& caption);

    QBoxLayout* layout_;

    QComboBox* convocatoriaNameComboBox_;
    QLineEdit* convocatoriaAnioEdit_;
    QLineEdit* convocatoriaTipoEdit_;
    QLineEdit* convocatoriaCategoriaEdit_;
    QLineEdit* convocatoriaTipoProyectoEdit_;
    QLineEdit* convocatoriaFechaAperturaEdit_;
    QLineEdit* convocatoriaFechaCierreEdit_;
    QLineEdit* convocatoriaDuracionMaximaEdit_;
};
