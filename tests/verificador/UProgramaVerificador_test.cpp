#include "verificador/UProgramaVerificador.h"

#include "document/UArchivoProyecto.h"
#include "document/UXMLProject.h"
#include "form/URegistroDatosGenerales.h"
#include "package/KZip.h"
#include "package/ZipArmado.h"
#include "support/UProyectoPrueba.h"
#include "verificador/UInforme.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

// An installation, and in "entradas/" a package that passes, one that fails, one that is no zip
// and a project file without its attachment.
class ProgramaVerificadorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(carpeta_.IsValid());
        carpeta_.WriteConfig();
        QDir().mkpath(carpeta_.PathOf("entradas/otro"));
        EscribirPaquete("entradas/20999999.zip", false, QString());
        EscribirPaquete("entradas/20123456.zip", true, QStringLiteral("Suelos del norte"));
        carpeta_.WriteFile("entradas/rota.zip", "PK\x03\x04 no es un zip");
        QFile::copy(carpeta_.ProyectoPath(), carpeta_.PathOf("entradas/otro/proyecto.xml"));
    }

    void EscribirPaquete(const char* nombre, bool verificado, const QString& titulo) {
        {
            TXMLProject documento(carpeta_.ProyectoPath());
            FillCompleteProject(documento, carpeta_);
            TRegistroCampos datosGenerales = RegistroDatosGenerales(false);
            datosGenerales.Leer(documento);
            datosGenerales.SetValor(QStringLiteral("tituloEdit"), titulo);
            datosGenerales.Escribir(documento);
            TArchivoProyecto::SetVerificado(documento, verificado);
            documento.Save(true);
            documento.Release();
        }
        TKZip().ZipFiles(carpeta_.PathOf(QString::fromUtf8(nombre)), 2,
                         {carpeta_.ProyectoPath(), carpeta_.PathOf("desctec/desc.pdf")});
    }

    struct TCorrida {
        int estado = -1;
        QString salida;
        QString errores;
    };
    TCorrida Correr(QStringList argumentos) {
        argumentos.prepend(QStringLiteral("velorn-verificar"));
        QBuffer salida;
        QBuffer errores;
        salida.open(QIODevice::WriteOnly);
        errores.open(QIODevice::WriteOnly);
        const int estado = TProgramaVerificador::Ejecutar(argumentos, salida, errores, false,
                                                          carpeta_.PathOf(QString()));
        return {estado, QString::fromUtf8(salida.data()), QString::fromUtf8(errores.data())};
    }
    QString Entradas() const { return carpeta_.PathOf("entradas"); }

    // Every file below the folder, with its size and time: nothing may be written there.
    QStringList Archivos() const {
        QStringList archivos;
        QDirIterator it(carpeta_.PathOf(QString()), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            archivos << info.filePath() + QString::number(info.size()) +
                            info.lastModified().toString(Qt::ISODateWithMs);
        }
        archivos.sort();
        return archivos;
    }

    TCarpetaPrueba carpeta_;
};

TEST_F(ProgramaVerificadorTest, ReportsEveryInputOfAFolderAsJson) {
    const QStringList antes = Archivos();
    const TCorrida corrida = Correr({QStringLiteral("--json"), Entradas()});
    EXPECT_EQ(corrida.estado, TProgramaVerificador::kObservado);
    EXPECT_EQ(Archivos(), antes);

    QJsonParseError error;
    const QJsonObject informe = QJsonDocument::fromJson(corrida.salida.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << corrida.salida.toStdString();
    EXPECT_EQ(informe["programa"].toString(), "velorn-verificar");
    EXPECT_EQ(informe["resumen"].toObject(),
              (QJsonObject{{"aprobadas", 1}, {"observadas", 3}, {"ilegibles", 0}}));
    const QJsonArray entradas = informe["entradas"].toArray();
    const QJsonObject sinAdjunto{{"seccion", "Descripción Técnica"},
                                 {"mensaje", "No ha cargado una descripción técnica."},
                                 {"campo", "descripcionTecnicaTab"},
                                 {"anio", QJsonValue()}};
    const QJsonObject sinTitulo{{"seccion", "Datos Generales"},
                                {"mensaje", "El título del proyecto está vacío."},
                                {"campo", "tituloEdit"},
                                {"anio", QJsonValue()}};
    const struct {
        const char* ruta;
        const char* tipo;
        const char* veredicto;
        QJsonValue verificado;
        QJsonArray problemas;
        QJsonArray hallazgos;
    } esperadas[] = {
        {"entradas/20123456.zip", "paquete", "aprobado", true, {}, {}},
        {"entradas/20999999.zip", "paquete", "observado", false, {}, {sinTitulo}},
        {"entradas/otro/proyecto.xml", "proyecto", "observado", true, {}, {sinAdjunto}},
        {"entradas/rota.zip",
         "paquete",
         "observado",
         QJsonValue(),
         {QJsonObject{{"codigo", "no-zip"},
                      {"mensaje", "No es un archivo zip que se pueda leer."}}},
         {}},
    };
    ASSERT_EQ(entradas.size(), std::size(esperadas));
    for (qsizetype i = 0; i < entradas.size(); ++i) {
        const auto& esperada = esperadas[i];
        SCOPED_TRACE(esperada.ruta);
        const QJsonObject entrada = entradas[i].toObject();
        EXPECT_EQ(entrada["ruta"].toString(), carpeta_.PathOf(esperada.ruta));
        EXPECT_EQ(entrada["tipo"].toString(), esperada.tipo);
        EXPECT_EQ(entrada["veredicto"].toString(), esperada.veredicto);
        EXPECT_TRUE(entrada["error"].isNull());
        EXPECT_EQ(entrada["verificadoGuardado"], esperada.verificado);
        EXPECT_EQ(entrada["problemas"].toArray(), esperada.problemas);
        EXPECT_EQ(entrada["hallazgos"].toArray(), esperada.hallazgos);
    }
}

TEST_F(ProgramaVerificadorTest, TheTextAndTheTableSayTheSameInTheInputsOrder) {
    const TCorrida uno = Correr({QStringLiteral("--hilos"), QStringLiteral("1"), Entradas()});
    const TCorrida varios = Correr({QStringLiteral("--hilos=4"), Entradas()});
    EXPECT_EQ(uno.estado, TProgramaVerificador::kObservado);
    EXPECT_EQ(varios.salida, uno.salida);
    EXPECT_TRUE(uno.errores.isEmpty()) << "no progress line without a terminal";
    const QString fallida =
        QStringLiteral("Paquete: %1\n"
                       "  Integridad: sin problemas.\n"
                       "  Estado guardado: no verificado.\n"
                       "  Verificación: 1 observación.\n"
                       "    [Datos Generales] El título del proyecto está "
                       "vacío.\n"
                       "  Resultado: OBSERVADO.\n\n")
            .arg(QDir::toNativeSeparators(carpeta_.PathOf("entradas/20999999.zip")));
    EXPECT_TRUE(uno.salida.contains(fallida)) << uno.salida.toStdString();
    EXPECT_TRUE(uno.salida.contains("  Verificación: sin observaciones.\n"
                                    "    El proyecto ha sido verificado exitosamente!\n"
                                    "    Ahora puede imprimir la carátula y enviar el proyecto.\n"
                                    "  Resultado: APROBADO.\n"));
    EXPECT_TRUE(uno.salida.endsWith("Total: 4 entradas; 1 aprobada, 3 observadas, 0 ilegibles.\n"));

    const QStringList tabla =
        Correr({QStringLiteral("--csv"), Entradas()}).salida.split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(tabla.size(), 5);
    EXPECT_EQ(tabla[0], "ruta;tipo;veredicto;verificado_guardado;problemas;observaciones;"
                        "detalle");
    EXPECT_EQ(tabla[2], carpeta_.PathOf("entradas/20999999.zip") +
                            ";paquete;observado;no;0;1;[Datos Generales] El título del "
                            "proyecto está vacío.");
    EXPECT_EQ(tabla[4], carpeta_.PathOf("entradas/rota.zip") +
                            ";paquete;observado;;1;0;No es un archivo zip que se pueda leer.");
}

// 0 when every input passes, 1 when any has findings, 2 when any could not be read (the others
// still reported) or the arguments are wrong.
TEST_F(ProgramaVerificadorTest, ExitStatus) {
    const QString bueno = carpeta_.PathOf("entradas/20123456.zip");
    const QString falta = carpeta_.PathOf("entradas/no-existe.zip");
    const struct {
        QStringList argumentos;
        int estado;
        const char* salida;
        const char* errores;
    } casos[] = {
        {{bueno}, 0, "Resultado: APROBADO.", ""},
        {{bueno, carpeta_.PathOf("entradas/20999999.zip")}, 1, "Resultado: OBSERVADO.", ""},
        {{falta, bueno}, 2, "Resultado: APROBADO.", ""},
        {{falta}, 2, "  No se pudo leer: no existe.\n  Resultado: ILEGIBLE.", ""},
        {{carpeta_.PathOf("desctec/vacia")}, 2, "Resultado: ILEGIBLE.", ""},
        {{}, 2, "", "indique al menos un paquete"},
        {{"--json", "--csv", bueno}, 2, "", "--json y --csv no se pueden usar juntas."},
        {{"--hilos", "0", bueno}, 2, "", "--hilos espera un número"},
        {{"--instalacion", carpeta_.PathOf("entradas"), bueno}, 2, "", "config.xml"},
        {{"--help"}, 0, "Uso: velorn-verificar [opciones] ENTRADA...", ""},
        {{"--otra"}, 2, "", "la opción \"--otra\" no existe"},
        {{bueno, "--hilos"}, 2, "", "a la opción \"--hilos\" le falta su valor"},
    };
    QDir().mkpath(carpeta_.PathOf("desctec/vacia"));
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.argumentos.join(' ').toStdString());
        const TCorrida corrida = Correr(caso.argumentos);
        EXPECT_EQ(corrida.estado, caso.estado);
        EXPECT_TRUE(corrida.salida.contains(QString::fromUtf8(caso.salida)))
            << corrida.salida.toStdString();
        EXPECT_TRUE(corrida.errores.contains(QString::fromUtf8(caso.errores)))
            << corrida.errores.toStdString();
    }
}

// What an input names cannot forge a line of the report or drive the terminal, a report cut
// short does not pass for a whole one, and a project file too large to hold is not read.
TEST_F(ProgramaVerificadorTest, HostileInputsNeitherForgeNorCutTheReport) {
    EXPECT_EQ(TInforme::Visible(QString::fromUtf8("a\tb\u202Ec\u2028 ñ \xF0\x9F\x98\x80\x1B[2K")),
              QString::fromUtf8("a\\u0009b\\u202Ec\\u2028 ñ \xF0\x9F\x98\x80\\u001B[2K"));

    QFile proyecto(carpeta_.ProyectoPath());
    ASSERT_TRUE(proyecto.open(QIODevice::ReadOnly));
    QDir().mkpath(carpeta_.PathOf("hostil"));
    carpeta_.WriteFile("hostil/20123456.zip",
                       ArmarZip({{"proyecto.xml", proyecto.readAll()},
                                 {"desctec/x\n  Resultado: APROBADO.\x1B[2K.pdf", "%PDF"}}));
    const TCorrida hostil = Correr({carpeta_.PathOf("hostil/20123456.zip")});
    EXPECT_EQ(hostil.estado, TProgramaVerificador::kObservado);
    EXPECT_TRUE(hostil.salida.contains("x\\u000A  Resultado: APROBADO.\\u001B[2K.pdf"))
        << hostil.salida.toStdString();
    EXPECT_FALSE(hostil.salida.contains("APROBADO.\n")) << hostil.salida.toStdString();

    QDir().mkpath(carpeta_.PathOf("grande"));
    QFile grande(carpeta_.PathOf("grande/proyecto.xml"));
    ASSERT_TRUE(grande.open(QIODevice::WriteOnly));
    ASSERT_TRUE(grande.resize(65 * 1024 * 1024));
    grande.close();
    const TCorrida enorme = Correr({carpeta_.PathOf("grande/proyecto.xml")});
    EXPECT_EQ(enorme.estado, TProgramaVerificador::kObservado);
    EXPECT_TRUE(enorme.salida.contains("    - El archivo supera los 64 MB.\n"))
        << enorme.salida.toStdString();

    // A device that takes no byte, as a full disk or a closed pipe.
    for (const QString& forma : {QStringLiteral("--json"), QStringLiteral("--csv"), QString()}) {
        SCOPED_TRACE(forma.toStdString());
        QBuffer salida;
        QBuffer errores;
        salida.open(QIODevice::ReadOnly);
        errores.open(QIODevice::WriteOnly);
        QStringList argumentos{QStringLiteral("velorn-verificar"),
                               carpeta_.PathOf("entradas/20123456.zip")};
        if (!forma.isEmpty())
            argumentos << forma;
        EXPECT_EQ(TProgramaVerificador::Ejecutar(argumentos, salida, errores, false,
                                                 carpeta_.PathOf(QString())),
                  TProgramaVerificador::kIlegible);
        EXPECT_TRUE(errores.data().contains("no se pudo escribir el informe"));
    }
}

} // namespace
