#pragma once

class QWidget;
class TRegistroCampos;

// A record's fields shown in the controls of a page that bear their names: a text field shows
// the value, a pick list selects the item of that text (none when it has no such item).
// Fixed fields and names the page has no control for are passed over.

// The values into the controls.
void MostrarRegistro(const TRegistroCampos& registro, const QWidget* pagina);
// The controls' texts into the values.
void TomarRegistro(TRegistroCampos& registro, const QWidget* pagina);
// The pick lists of coded fields get the names of their code lists, with no selection.
void LlenarListasRegistro(const TRegistroCampos& registro, const QWidget* pagina);
