#include "form/URegistroCampos.h"

#include "document/UXMLProject.h"
#include "form/UListasCodigo.h"
#include "form/UValorCodificado.h"

#include <utility>

TRegistroCampos::TRegistroCampos(std::vector<TCampoRegistro> campos) : campos_(std::move(campos)) {}

QString TRegistroCampos::Valor(const QString& control) const {
    return valores_.value(control);
}

void TRegistroCampos::SetValor(const QString& control, const QString& valor) {
    valores_.insert(control, valor);
}

bool TRegistroCampos::TieneDatos() const {
    for (const TCampoRegistro& campo : campos_) {
        if (!campo.control.isEmpty() && !Valor(campo.control).trimmed().isEmpty())
            return true;
    }
    return false;
}

void TRegistroCampos::Leer(TXMLProject& project) {
    for (const TCampoRegistro& campo : campos_) {
        switch (campo.almacen) {
        case TAlmacen::Texto:
        case TAlmacen::TextoEditable:
            SetValor(campo.control, project.GetText(campo.ruta, QString()));
            break;
        case TAlmacen::Codificado:
            SetValor(campo.control, LoadCodedName(project, campo.ruta));
            break;
        case TAlmacen::CodificadoFijo:
        case TAlmacen::TextoFijo:
            break;
        }
    }
}

void TRegistroCampos::Escribir(TXMLProject& project) const {
    for (const TCampoRegistro& campo : campos_) {
        switch (campo.almacen) {
        case TAlmacen::TextoEditable:
            project.ForceAttribute(campo.ruta, QStringLiteral("edit"), QStringLiteral("yes"));
            project.SetCData(campo.ruta, Valor(campo.control));
            break;
        case TAlmacen::Texto:
            project.SetCData(campo.ruta, Valor(campo.control));
            break;
        case TAlmacen::Codificado:
            SaveCodedName(project, campo.ruta, *campo.lista, Valor(campo.control));
            break;
        case TAlmacen::CodificadoFijo:
            SaveCodedValue(project, campo.ruta, campo.codigo, campo.fijo);
            break;
        case TAlmacen::TextoFijo:
            project.SetCData(campo.ruta, campo.fijo);
            break;
        }
    }
}
