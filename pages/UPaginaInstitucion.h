#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QFormLayout;
class QLineEdit;
class QVBoxLayout;
class TXMLProject;

// What the three institution pages (beneficiary institution, dependency, executing unit)
// share: the identification and the address, stored below "<element>/document/properties/".
// Text fields are stored as CDATA, choices as coded values; the address kind is fixed by the
// page. The pages hold no state besides their controls.
class TPaginaInstitucion : public QWidget {
    Q_OBJECT
  public:
    // Replaces the items of the country and province pick lists by the code lists' names.
    virtual void FillPickLists();
    // True when any field of the page holds a value.
    bool TieneDatos() const;

  protected:
    struct TDatos {
        QString name;              // the page's object name
        QString prefix;            // of its controls' names: "ben", "dep" or "eje"
        QString element;           // of the document: "beneficiaria", ...
        QString denominacion;      // caption of the full-name field
        QString tipoDomicilio;     // code of the fixed address kind
        QString tipoDomicilioName; // its display name
    };
    TPaginaInstitucion(const TDatos& datos, QWidget* parent);

    // A framed section below the ones added before.
    QFormLayout* AddSection(const QString& caption);
    // A text field named with the page's prefix, added to the section with its label.
    QLineEdit* AddEdit(QFormLayout* section, const QString& label, const QString& name);
    // A pick list that takes no typed text, named with the page's prefix.
    QComboBox* AddPickList(QFormLayout* section, const QString& label, const QString& name);
    // The section "Datos del Resposable Legal / Autoridad" with name and position.
    void AddResponsable();
    // The year of foundation, stored after the legal representative.
    void SetAnioConstitucion(QLineEdit* edit) { anioConstitucionEdit_ = edit; }

    // The node path of a field of this institution.
    QString Path(const QString& relative) const;
    // Writes, in this order, the acronym, the full name, the address kind, the address, then
    // the legal representative and the year of foundation where the page has them.
    void SaveInstitucion(TXMLProject& project) const;
    // Reads what SaveInstitucion writes, except the address kind and the codes.
    void LoadInstitucion(TXMLProject& project);

    void SaveText(TXMLProject& project, const QString& relative, const QLineEdit* edit) const;
    void LoadText(TXMLProject& project, const QString& relative, QLineEdit* edit) const;

  private:
    TDatos datos_;
    QVBoxLayout* sections_;
    QLineEdit* siglasEdit_;
    QLineEdit* denominacionEdit_;
    QComboBox* paisComboBox_;
    QComboBox* provinciaComboBox_;
    QLineEdit* localidadEdit_;
    QLineEdit* codigoPostalEdit_;
    QLineEdit* calleEdit_;
    QLineEdit* telefonoEdit_;
    QLineEdit* emailEdit_;
    QLineEdit* webEdit_;
    QLineEdit* responsableNombreEdit_ = nullptr;
    QLineEdit* responsableCargoEdit_ = nullptr;
    QLineEdit* anioConstitucionEdit_ = nullptr;
};
