#pragma once

#include "ui_support/UPruebaVentana.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// What a test enters on the person page: control names with their values, in the order they
// are entered. Edits and memos take the text (line breaks included), pick lists the item
// (empty for no choice), date pickers a date written "dd/MM/yyyy".
using TValores = QList<QPair<QString, QString>>;

// The group page through the main window, on a fresh working folder, with the window active
// so that the focus moves as it does for a user.
class TPruebaGrupos : public TPruebaVentana {
  protected:
    TForm1& OpenActive();

    // A CUIL that passes the check: "20" (or the next prefix where needed), the number with
    // eight digits, and the check digit.
    static QString ValidCuil(int number);
    // A person with every required field filled and nothing else changed.
    static TValores Requeridos(const QString& cuil, const QString& rol, const QString& nombre,
                               const QString& apellido);
    // The values with those of the overrides replaced (or appended).
    static TValores With(TValores valores, const TValores& overrides);

    // The lists, chosen in the section list.
    void ShowResponsables() { ClickSection(12); }
    void ShowColaboradores() { ClickSection(13); }
    // Clicks a button of the group page by its name.
    void Click(const char* button);
    // Enters the values on the person page as a user does: typing and picking.
    void Enter(const TValores& valores);
    // "Nuevo" on the list shown, the values, "Aplicar"; no dialog may come up.
    void AddPerson(const TValores& valores);

    bool PersonPageShown();
    // The sheet of grupoPageControl that is shown.
    QString ShownSheet();
    // The value a control of the person page shows, as Enter takes it.
    QString Shown(const QString& control);
    // Rows of a grid as "cuil|rol|nombre|apellido".
    QStringList GridRows(const char* grid);
    int SelectedGridRow(const char* grid);
    void SelectGridRow(const char* grid, int row);

    // The persons of a group of "proyecto.xml" as "cuil|rol|nombre|apellido", in file order.
    QStringList StoredRows(const QString& grupo) const;
    // The names of the field elements of a stored person, in file order.
    QStringList StoredElements(const QString& grupo, const QString& cuil) const;
    QString StoredField(const QString& grupo, const QString& cuil, const QString& field) const;
};
