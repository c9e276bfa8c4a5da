#pragma once

#include "ui_support/UPruebaVentana.h"

#include <QChar>
#include <QString>
#include <QStringList>

class QLineEdit;
class QTableWidget;

// One budget line as a test enters it and as a table shows it.
struct TLineaPresupuesto {
    QString rubro;
    QString descripcion;
    QString subsidio;
    QString contraparte;
};

// The budget page through the main window, driven as a user does: the section list, the
// buttons, typing into the fields and picking from the lists, with the window active so that
// the focus moves as it does for a user. The regional decimal separator is chosen before the
// window is made.
class TPruebaPresupuesto : public TPruebaVentana {
  protected:
    // Creates the window under regional settings with that decimal separator, activates it
    // and shows the budget page.
    TForm1& OpenWith(QChar separator);

    void ShowBudget() { ClickSection(5); }
    // Picks the duration on the general data page, then comes back to the budget.
    void ChooseDuration(const QString& years);
    // Clicks the header of the year page ("1", "2", "3").
    void ShowYear(const QString& year);
    QStringList VisibleYears();

    void Click(const char* button);
    // Replaces the text of the field as a user does: a click into it, select all, delete, type.
    void Retype(const char* field, const QString& text);
    // Fills the editor: the category (none when empty), the description, both amounts.
    void Enter(const TLineaPresupuesto& linea);
    // "Nuevo", the line, "Aplicar"; no dialog may come up.
    void AddLine(const TLineaPresupuesto& linea);
    // Selects the line and double-clicks it.
    void OpenLine(const QString& year, int row);
    void SelectLine(const QString& year, int row);

    bool EditorShown();
    // Rows shown by the year's table as "rubro|descripcion|subsidio|contraparte|total", the
    // empty row of an empty table included.
    QStringList Rows(const QString& year);
    // The six totals of the year: administration (subsidy, counterpart, total), then the
    // general totals (subsidy, counterpart, total).
    QStringList Totals(const QString& year);
    QString Text(const char* field);

    // "Guardar", which must succeed.
    void Save();
    // The rows of the stored budget, one a line with its attributes in file order.
    QString StoredBudget();

    // A "proyecto.xml" of the current format with these elements in its properties.
    void WriteProject(const QByteArray& properties);

  private:
    static QString YearPrefix(const QString& year);
};
