#include "widgets/UEnlaceRegistro.h"

#include "form/UListasCodigo.h"
#include "form/URegistroCampos.h"
#include "widgets/UPaginaListas.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace {

bool EsEditable(const TCampoRegistro& campo) {
    return !campo.control.isEmpty() && campo.almacen != TAlmacen::CodificadoFijo &&
           campo.almacen != TAlmacen::TextoFijo;
}

} // namespace

void MostrarRegistro(const TRegistroCampos& registro, const QWidget* pagina) {
    for (const TCampoRegistro& campo : registro.Campos()) {
        if (!EsEditable(campo))
            continue;
        if (auto* lista = pagina->findChild<QComboBox*>(campo.control))
            SelectItemByText(lista, registro.Valor(campo.control));
        else if (auto* edit = pagina->findChild<QLineEdit*>(campo.control))
            edit->setText(registro.Valor(campo.control));
    }
}

void TomarRegistro(TRegistroCampos& registro, const QWidget* pagina) {
    for (const TCampoRegistro& campo : registro.Campos()) {
        if (campo.control.isEmpty())
            continue;
        if (const auto* lista = pagina->findChild<QComboBox*>(campo.control))
            registro.SetValor(campo.control, lista->currentText());
        else if (const auto* edit = pagina->findChild<QLineEdit*>(campo.control))
            registro.SetValor(campo.control, edit->text());
    }
}

void LlenarListasRegistro(const TRegistroCampos& registro, const QWidget* pagina) {
    for (const TCampoRegistro& campo : registro.Campos()) {
        if (campo.almacen != TAlmacen::Codificado)
            continue;
        if (auto* lista = pagina->findChild<QComboBox*>(campo.control))
            FillPickList(lista, campo.lista->Names());
    }
}
