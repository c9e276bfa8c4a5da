#include "form/URegistroInstitucion.h"

#include "form/UListasCodigo.h"

namespace {

struct TInstitucion {
    const char* prefijo;       // of the controls' names
    const char* elemento;      // of the document
    const char* tipoDomicilio; // code of the fixed address kind
    const char* nombreDomicilio;
    bool responsable; // has a legal representative
    bool anioConstitucion;
    bool organizacion; // the beneficiary's CUIT, kind, management and jurisdiction
};

TRegistroCampos Registro(const TInstitucion& institucion) {
    const QString prefijo = QString::fromLatin1(institucion.prefijo);
    const QString base =
        QString::fromLatin1(institucion.elemento) + QStringLiteral("/document/properties/");
    std::vector<TCampoRegistro> campos;
    const auto texto = [&](const char* control, const char* ruta) {
        campos.push_back(
            TCampoRegistro::Texto(prefijo + QLatin1String(control), base + QLatin1String(ruta)));
    };
    const auto codificado = [&](const char* control, const char* ruta, const TListaCodigos& lista) {
        campos.push_back(TCampoRegistro::Codificado(prefijo + QLatin1String(control),
                                                    base + QLatin1String(ruta), lista));
    };
    // The acronym goes under "denominacion", the full name under "razonsocial".
    texto("SiglasEdit", "denominacion/");
    texto("DenominacionEdit", "razonsocial/");
    campos.push_back(
        TCampoRegistro::CodificadoFijo(QString(), base + QStringLiteral("domicilio/tipoDomicilio/"),
                                       QString::fromLatin1(institucion.tipoDomicilio),
                                       QString::fromLatin1(institucion.nombreDomicilio)));
    codificado("PaisComboBox", "domicilio/pais/", ListaPaises());
    codificado("ProvinciaComboBox", "domicilio/provincia/", ListaProvincias());
    texto("LocalidadEdit", "domicilio/localidad/");
    texto("CodigoPostalEdit", "domicilio/cp/");
    texto("CalleEdit", "domicilio/calle/");
    texto("TelefonoEdit", "domicilio/telefonos/");
    texto("WebEdit", "domicilio/web/");
    texto("EmailEdit", "domicilio/email/");
    if (institucion.responsable) {
        texto("ResponsableNombreEdit", "contacto/nombre/");
        texto("ResponsableCargoEdit", "contacto/cargo/");
    }
    if (institucion.anioConstitucion)
        texto("AnioConstitucionEdit", "anoConstitucion/");
    if (institucion.organizacion) {
        texto("CuitEdit", "cuitcuil/");
        codificado("TipoInstitucionComboBox", "tipoorganizacion/", ListaTiposInstitucion());
        codificado("TipoGestionComboBox", "tipogestion/", ListaTiposGestion());
        codificado("RegionComboBox", "region/", ListaRegiones());
    }
    return TRegistroCampos(std::move(campos));
}

} // namespace

TRegistroCampos RegistroBeneficiaria() {
    return Registro({"ben", "beneficiaria", "LEGAL", "Domicilio Legal", true, true, true});
}

TRegistroCampos RegistroDependencia() {
    return Registro({"dep", "dependencia", "POSTAL", "Domicilio Postal", false, false, false});
}

TRegistroCampos RegistroEjecutora() {
    return Registro({"eje", "ejecutora", "POSTAL", "Domicilio Postal", true, true, false});
}
