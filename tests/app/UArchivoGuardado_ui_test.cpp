// The whole stored file after a user fills the form through the window, compared byte for byte
// with a checked-in copy: any change in what the pages write, or in its order, shows here.
// VELORN_ACTUALIZAR_GOLDEN=1 writes the copy anew (then compare it with git diff).
#include "support/UArchivoEsperado.h"
#include "ui_support/UInstalacionMuestra.h"
#include "ui_support/UListaDesplegable.h"
#include "ui_support/UPruebaPresupuesto.h"

#include <QComboBox>
#include <QRegularExpression>

namespace {

class ArchivoGuardadoTest : public TPruebaPresupuesto {
  protected:
    void Pick(const char* pickList, const QString& item) {
        PickItem(Find<QComboBox>(pickList), item);
    }
};

// The creation date (the day of the first save) and the temporary folder are not part of the
// comparison.
QByteArray SinVariables(const QByteArray& file, const QString& carpeta) {
    static const QRegularExpression fecha(QStringLiteral("<fechaAlta>[0-9/]+</fechaAlta>"));
    return QString::fromLatin1(file)
        .replace(fecha, QStringLiteral("<fechaAlta>FECHA</fechaAlta>"))
        .replace(carpeta, QStringLiteral("CARPETA"))
        .toLatin1();
}

} // namespace

TEST_F(ArchivoGuardadoTest, EveryPageAsTheUserFilledIt) {
    ASSERT_TRUE(CopySampleInstallation(PathOf(QString())));
    OpenWith(QLatin1Char(','));

    ClickSection(0);
    Pick("convocatoriaNameComboBox", QStringLiteral("ROVA-II-A-2026"));
    ClickSection(1);
    Retype("tituloEdit", QStringLiteral("Suelos del norte: carbono & \"agua\" <2026>"));
    Pick("duracionComboBox", QStringLiteral("2"));
    Pick("areaTematicaComboBox", QStringLiteral("Ciencias Químicas"));
    Pick("areaTematicaSecundariaComboBox", QStringLiteral("Tecnología de Alimentos"));
    Pick("provinciaComboBox", QStringLiteral("Córdoba"));
    Pick("areaPrioritariaComboBox", Items(Find<QComboBox>("areaPrioritariaComboBox")).value(1));
    ClickSection(2);
    Retype("palabrasClaveEdit", QStringLiteral("suelos; carbono"));

    ShowBudget();
    AddLine({QStringLiteral("Insumos"), QStringLiteral("Reactivos"), QStringLiteral("1000,5"),
             QStringLiteral("250")});
    AddLine({QStringLiteral("Bibliografía"), QStringLiteral("Libros"), QStringLiteral("99,99"),
             QStringLiteral("0")});
    ShowYear(QStringLiteral("2"));
    AddLine({QStringLiteral("Insumos"), QStringLiteral("Más reactivos"), QStringLiteral("10"),
             QStringLiteral("0,01")});

    ClickSection(9);
    Retype("benSiglasEdit", QStringLiteral("UNV"));
    Retype("benDenominacionEdit", QStringLiteral("Universidad Nacional de Velorn"));
    Pick("benPaisComboBox", QStringLiteral("Argentina"));
    Pick("benProvinciaComboBox", QStringLiteral("Córdoba"));
    Retype("benCalleEdit", QStringLiteral("Haya de la Torre s/n"));
    Retype("benEmailEdit", QStringLiteral("a@unv.ar"));
    Retype("benResponsableNombreEdit", QStringLiteral("Pérez, Ana"));
    Retype("benCuitEdit", QStringLiteral("30123456781"));
    Pick("benTipoGestionComboBox", Items(Find<QComboBox>("benTipoGestionComboBox")).value(0));
    Retype("benAnioConstitucionEdit", QStringLiteral("1613"));
    ClickSection(10);
    Retype("depSiglasEdit", QStringLiteral("FCA"));
    Retype("depWebEdit", QStringLiteral("www.fca.unv.ar"));
    ClickSection(11);
    Retype("ejeDenominacionEdit", QStringLiteral("Laboratorio de Suelos"));
    Pick("ejeProvinciaComboBox", QStringLiteral("Salta"));
    Retype("ejeResponsableCargoEdit", QStringLiteral("Directora"));

    Save();
    ExpectSameAsGolden(SinVariables(ReadFile(QStringLiteral("proyecto.xml")), PathOf(QString())),
                       "proyecto_formulario.xml");
}
