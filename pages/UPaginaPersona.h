#pragma once

#include <QString>
#include <QWidget>

#include <vector>

class QComboBox;
class QDateEdit;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class TCampoCuit;
class TFichaPersona;
class TGrillaGrupo;
class TContadorCaracteres;
class TEditLimitado;
class TMemoLimitado;

// The person page (grupoEditTabSheet) of the group page: every field of one person of either
// group in ten framed sections of a scrolling box (ScrollBox8), with "Aplicar" and "Cancelar"
// below it. Each field is bound to its element of the person's "participante" element; the
// CUIL is the person's key. Dates are stored in the regional short date format.
class TPaginaPersona : public QWidget {
    Q_OBJECT
  public:
    explicit TPaginaPersona(QWidget* parent = nullptr);

    // The country and province pick lists, from the code lists; once, at start-up.
    void FillPickLists();
    // The pick lists offered for the group of the list sheet (0 the responsible group, any
    // other the collaborating group): its roles and its length of the CV, then the lists
    // shared by both groups. Every pick list filled here is left with no choice.
    void FillPersonaOptions(int pageIndex);
    // Empties the page for a new person. The dates keep what they show, the dedications
    // become "0", and the CUIL's verdict stays until the field is left again.
    void ClearPersonaForm();
    // Fills the page with the person whose CUIL is in the selected row of the grid, read from
    // "proyecto.xml" without writing it; nothing when the grid shows nobody. A stored date
    // that does not convert raises EConvertError, and the fields after it keep what they
    // showed.
    void LoadPersona(const TGrillaGrupo* grid, const QString& grupo);
    // Stores the page as the person of the group with the CUIL shown (a new person is
    // appended) into "proyecto.xml", which is written even when nothing changed. Raises the
    // file's error when it cannot be opened or written; then the file is unchanged.
    void StorePersona(const QString& grupo) const;

    // Runs the required-field checks in their order and reports the first empty field. True
    // when every required field has a text.
    bool CheckRequiredFields() const;
    // The document number and the weekly hours must be whole numbers: the first that is not
    // is reported and takes the focus. True when all are.
    bool CheckWholeNumbers();
    // When the text is empty, reports the field's message and yields true.
    bool CheckRequired(const QString& text, const QString& message) const;

    QString Cuil() const;
    QString Rol() const;
    QString Nombre() const;
    QString Apellido() const;

    // Back to the first section.
    void ScrollToTop();
    QLineEdit* personaCuilEdit() const { return personaCuilEdit_; }
    QComboBox* personaRolComboBox() const { return personaRolComboBox_; }
    QPushButton* GuardarButton() const { return grupoEditGuardarButton_; }
    QPushButton* CancelarButton() const { return grupoEditCancelarButton_; }

    // The focus left the CUIL: the red label beside it says whether the number is valid.
    void personaCuilEditExit();
    // The focus left the document number, or the weekly hours of employer n (1 to 5): a text
    // that is not a whole number is reported and the focus goes back into the field.
    void personaNroDocumentoEditExit();
    void personaEmpleadorDedicacionEditExit(int n);

  private:
    // One field of the page and its element; the message is empty for a field not required.
    struct TCampo {
        QString elemento;
        QWidget* control;
        QString requerido;
    };

    QFormLayout* AddSection(const QString& caption);
    // Binds the control to its element and puts it into the section under its label.
    template <class T>
    T* AddCampo(QFormLayout* section, const QString& label, const QString& elemento, T* control,
                const QString& requerido = QString());
    TEditLimitado* NewEdit(const QString& name);
    QComboBox* NewPickList(const QString& name);
    QDateEdit* NewDatePicker(const QString& name);
    void AddEmpleador(int n);

    TFichaPersona Ficha() const;
    void CheckWholeNumber(QLineEdit* edit, const QString& message);

    QScrollArea* ScrollBox8_;
    QVBoxLayout* sections_;
    std::vector<TCampo> campos_;
    QComboBox* personaRolComboBox_ = nullptr;
    QLineEdit* personaCuilEdit_ = nullptr;
    TCampoCuit* cuit_ = nullptr;
    QLineEdit* personaNombreEdit_ = nullptr;
    QLineEdit* personaApellidoEdit_ = nullptr;
    QComboBox* personaTipoDocumentoComboBox_ = nullptr;
    TEditLimitado* personaNroDocumentoEdit_ = nullptr;
    QComboBox* personaSexoComboBox_ = nullptr;
    QComboBox* personaPaisNacimientoComboBox_ = nullptr;
    QComboBox* personaProvinciaNacimientoComboBox_ = nullptr;
    QComboBox* personaEstadoCivilComboBox_ = nullptr;
    QComboBox* personaLaboralPaisComboBox_ = nullptr;
    QComboBox* personaLaboralProvinciaComboBox_ = nullptr;
    TMemoLimitado* personaCurricularCVMemo_ = nullptr;
    TContadorCaracteres* cvContador_ = nullptr;
    QComboBox* personaCurricularTituloComboBox_ = nullptr;
    std::vector<QLineEdit*> dedicaciones_;
    QPushButton* grupoEditGuardarButton_;
    QPushButton* grupoEditCancelarButton_;
    // A failed whole-number check is putting the focus back: the control that took it
    // meanwhile was not really left.
    bool restoringFocus_ = false;
};
