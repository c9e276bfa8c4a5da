#pragma once

#include "form/URegistroCampos.h"

#include <QString>
#include <QWidget>

class QComboBox;
class QFormLayout;
class QLineEdit;
class QVBoxLayout;
class TXMLProject;

// What the three institution pages (beneficiary institution, dependency, executing unit)
// share: the identification and the address. Each page shows the record of its institution
// (URegistroInstitucion), whose fields name its controls; the pages hold no state besides
// their controls.
class TPaginaInstitucion : public QWidget {
    Q_OBJECT
  public:
    // Replaces the items of the page's pick lists by their code lists' names.
    void FillPickLists();
    // True when any field of the page holds a value.
    bool TieneDatos() const;

    // Writes the record of the page's fields, in the record's order.
    void SaveInstitucion(TXMLProject& project) const;
    // Reads the record and shows it.
    void LoadInstitucion(TXMLProject& project);

  protected:
    struct TDatos {
        QString name;         // the page's object name
        QString prefix;       // of its controls' names: "ben", "dep" or "eje"
        QString element;      // of the document: "beneficiaria", ...
        QString denominacion; // caption of the full-name field
    };
    TPaginaInstitucion(const TDatos& datos, TRegistroCampos registro, QWidget* parent);

    // A framed section below the ones added before.
    QFormLayout* AddSection(const QString& caption);
    // A text field named with the page's prefix, added to the section with its label.
    QLineEdit* AddEdit(QFormLayout* section, const QString& label, const QString& name);
    // A pick list that takes no typed text, named with the page's prefix.
    QComboBox* AddPickList(QFormLayout* section, const QString& label, const QString& name);
    // The section "Datos del Resposable Legal / Autoridad" with name and position.
    void AddResponsable();

  private:
    TDatos datos_;
    TRegistroCampos registro_;
    QVBoxLayout* sections_;
};
