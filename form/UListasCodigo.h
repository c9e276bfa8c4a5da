#pragma once

#include <QString>
#include <QStringList>

// A fixed vocabulary of a pick list: display names in the order the pick list shows them,
// and the code stored beside each name. The code at position i belongs to the name at i.
class TListaCodigos {
  public:
    TListaCodigos() = default;
    // Rows beyond the shorter of the two lists are dropped, so both always have equal length.
    TListaCodigos(const QStringList& names, const QStringList& codes);

    const QStringList& Names() const { return names_; }
    const QStringList& Codes() const { return codes_; }
    int Count() const { return static_cast<int>(names_.size()); }

    // Code of the name (whole text, letter case ignored); empty when the name is not listed,
    // the empty name included.
    QString CodeForName(const QString& name) const;

  private:
    QStringList names_;
    QStringList codes_;
};

// Position of the first item equal to text as a whole, letter case ignored (accented letters
// included); -1 when none is, and always -1 for the empty text. This is how a stored display
// name finds its pick-list item again.
int IndexOfItemText(const QStringList& items, const QString& text);

const TListaCodigos& ListaAreasTematicas();
const TListaCodigos& ListaProvincias();
const TListaCodigos& ListaTiposInstitucion();
const TListaCodigos& ListaTiposGestion();
// Jurisdictions; the institution page labels the pick list "Jurisdicción".
const TListaCodigos& ListaRegiones();
// Regional priority areas ("Prioridad Regional" on the general-data page).
const TListaCodigos& ListaAreasPrioritarias();
const TListaCodigos& ListaPaises();
// The nine budget categories, in the order of the budget editor's pick list. They have no codes.
const QStringList& RubrosPresupuesto();
