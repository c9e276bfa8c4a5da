// The records of the institutions and the general data: written in their table's order,
// read back as set, fixed values always written and never read.
#include "form/URegistroCampos.h"

#include "document/UXMLProject.h"
#include "form/URegistroDatosGenerales.h"
#include "form/URegistroInstitucion.h"
#include "support/UProyectoPrueba.h"

#include <gtest/gtest.h>

namespace {

QStringList Controles(const TRegistroCampos& registro) {
    QStringList controles;
    for (const TCampoRegistro& campo : registro.Campos()) {
        if (!campo.control.isEmpty())
            controles.append(campo.control);
    }
    return controles;
}

} // namespace

// Every field the user fills, in all three institutions and the general data, reads back
// what was written; the fixed ones are written whatever the record holds.
TEST(RegistroCampos, EveryRecordReadsBackWhatItWrote) {
    TCarpetaPrueba carpeta;
    ASSERT_TRUE(carpeta.IsValid());
    TXMLProject document(carpeta.ProyectoPath());
    for (TRegistroCampos registro : {RegistroBeneficiaria(), RegistroDependencia(),
                                     RegistroEjecutora(), RegistroDatosGenerales()}) {
        for (const QString& control : Controles(registro))
            registro.SetValor(control, control + QStringLiteral(" ]]> ñ"));
        registro.Escribir(document);
        TRegistroCampos leido = registro;
        for (const QString& control : Controles(registro))
            leido.SetValor(control, QString());
        leido.Leer(document);
        for (const QString& control : Controles(registro))
            EXPECT_EQ(leido.Valor(control), registro.Valor(control)) << control.toStdString();
    }
    EXPECT_EQ(document.GetText(QStringLiteral("beneficiaria/document/properties/domicilio/"
                                              "tipoDomicilio/text/"),
                               QString()),
              QStringLiteral("Domicilio Legal"));
    EXPECT_EQ(document.GetAttribute(QStringLiteral("project/document/properties/ubicacion/pais/"),
                                    QStringLiteral("code"), QString()),
              QStringLiteral("AR"));
}

// Without a regional priority the choice is written as "No Aplica" with an empty code, and the
// general data still read it as a choice. A name the list lacks is kept with an empty code.
TEST(RegistroCampos, FixedAndUnknownChoices) {
    TCarpetaPrueba carpeta;
    TXMLProject document(carpeta.ProyectoPath());
    TRegistroCampos registro = RegistroDatosGenerales(false);
    registro.SetValor(QStringLiteral("areaPrioritariaComboBox"), QStringLiteral("Centro"));
    registro.SetValor(QStringLiteral("areaTematicaComboBox"), QStringLiteral("Alquimia"));
    registro.Escribir(document);
    const QString prioridad = QStringLiteral("project/document/properties/areaaltaprioridad/");
    EXPECT_EQ(document.GetAttribute(prioridad, QStringLiteral("code"), QStringLiteral("?")),
              QString());
    TRegistroCampos leido = RegistroDatosGenerales();
    leido.Leer(document);
    EXPECT_EQ(leido.Valor(QStringLiteral("areaPrioritariaComboBox")), QStringLiteral("No Aplica"));
    EXPECT_EQ(leido.Valor(QStringLiteral("areaTematicaComboBox")), QStringLiteral("Alquimia"));
    EXPECT_EQ(
        document.GetAttribute(QStringLiteral("project/document/properties/areatematica/principal/"),
                              QStringLiteral("code"), QStringLiteral("?")),
        QString());
}

TEST(RegistroCampos, OnlyFieldsWithMoreThanBlanksCountAsData) {
    TRegistroCampos registro = RegistroDependencia();
    EXPECT_FALSE(registro.TieneDatos());
    registro.SetValor(QStringLiteral("depCalleEdit"), QStringLiteral("  \t"));
    EXPECT_FALSE(registro.TieneDatos());
    registro.SetValor(QStringLiteral("depPaisComboBox"), QStringLiteral("Argentina"));
    EXPECT_TRUE(registro.TieneDatos());
}
