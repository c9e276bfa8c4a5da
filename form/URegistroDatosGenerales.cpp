#include "form/URegistroDatosGenerales.h"

#include "form/UListasCodigo.h"

TRegistroCampos RegistroDatosGenerales(bool prioridadRegional) {
    const QString base = QStringLiteral("project/document/properties/");
    const auto ruta = [&base](const char* relativa) { return base + QLatin1String(relativa); };
    const QString prioridad = QStringLiteral("areaPrioritariaComboBox");
    std::vector<TCampoRegistro> campos = {
        TCampoRegistro::Codificado(QStringLiteral("areaTematicaComboBox"),
                                   ruta("areatematica/principal/"), ListaAreasTematicas()),
        TCampoRegistro::Codificado(QStringLiteral("areaTematicaSecundariaComboBox"),
                                   ruta("areatematica/secundaria/"), ListaAreasTematicas()),
        TCampoRegistro::Texto(QStringLiteral("tituloEdit"), ruta("title/"),
                              TAlmacen::TextoEditable),
        prioridadRegional ? TCampoRegistro::Codificado(prioridad, ruta("areaaltaprioridad/"),
                                                       ListaAreasPrioritarias())
                          : TCampoRegistro::CodificadoFijo(prioridad, ruta("areaaltaprioridad/"),
                                                           QString(), QStringLiteral("No Aplica")),
        TCampoRegistro::Texto(QStringLiteral("duracionComboBox"), ruta("duracion/")),
        TCampoRegistro::CodificadoFijo(QString(), ruta("ubicacion/pais/"), QStringLiteral("AR"),
                                       QStringLiteral("Argentina")),
        TCampoRegistro::Codificado(QStringLiteral("provinciaComboBox"),
                                   ruta("ubicacion/provincia/"), ListaProvincias()),
        TCampoRegistro::TextoFijo(ruta("idiomas/principal/text/"), QStringLiteral("Español")),
    };
    return TRegistroCampos(std::move(campos));
}
