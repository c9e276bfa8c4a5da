#pragma once

#include <QString>

class QWidget;

// Screen readers and desktop automation find a field by its accessible name, which must be the
// text of the field's label: the label beside it in a form, or the caption of the box that
// holds it alone. Qt's own guess takes the caption of the nearest box, which for a box of
// several fields names the section instead, and leaves date pickers without a name.
class TNombresAccesibles {
  public:
    // Names every field below the root that has no name of its own yet.
    static void Nombrar(QWidget* root);
    // The label text of a field; empty when it has none.
    static QString Etiqueta(const QWidget* campo);
    // True for the controls a user types into or chooses in.
    static bool EsCampo(const QWidget* widget);
};
