#include "verificador/URevisionEntrada.h"

#include "document/UArchivoProyecto.h"
#include "document/UXMLProject.h"
#include "package/KZip.h"
#include "package/ZipArmado.h"
#include "support/UProyectoPrueba.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QStringList Codigos(const TResultadoEntrada& resultado) {
    QStringList codigos;
    for (const TProblemaZip& problema : resultado.problemas)
        codigos << problema.codigo;
    return codigos;
}

// The integrity of a package written by this program: what it must hold, and nothing else,
// each entry whole and named as the program names it.
TEST(RevisionEntradaTest, ChecksWhatAPackageHoldsAndHowItIsNamed) {
    TCarpetaPrueba carpeta;
    ASSERT_TRUE(carpeta.IsValid());
    carpeta.WriteConfig();
    {
        TXMLProject documento(carpeta.ProyectoPath());
        FillCompleteProject(documento, carpeta);
        TArchivoProyecto::SetVerificado(documento, true);
        documento.Save(true);
        documento.Release();
    }
    QFile archivo(carpeta.ProyectoPath());
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    const QByteArray proyecto = archivo.readAll();
    const QByteArray pdf = "%PDF-1.4\n";
    const TEntradaArmada xml{"proyecto.xml", proyecto};
    const TEntradaArmada adjunto{"desctec/desc.pdf", pdf};
    const auto con = [](TEntradaArmada entrada, auto&& cambio) {
        cambio(entrada);
        return entrada;
    };
    const QString propio = carpeta.PathOf("propio.zip");
    TKZip(1).ZipFiles(propio, 2, {carpeta.ProyectoPath(), carpeta.PathOf("desctec/desc.pdf")});

    const struct {
        const char* caso;
        QByteArray bytes; // none: the program's own package with zip64 entries
        QStringList codigos;
        int hallazgos;
    } casos[] = {
        {"zip64 entries", {}, {}, 0},
        {"a blank attachment of 65 MB",
         ArmarZip({xml, {"desctec/desc.pdf", pdf + QByteArray(65 << 20, ' ')}}),
         {},
         0},
        {"an entry of its own", ArmarZip({xml, adjunto, {"notas.txt", "x"}}), {"ajena"}, 0},
        {"no attachment", ArmarZip({xml}), {"sin-adjunto"}, 1},
        {"another attachment",
         ArmarZip({xml, {"desctec/otro.pdf", pdf}}),
         {"sin-adjunto", "ajena"},
         1},
        {"not a PDF", ArmarZip({xml, {"desctec/desc.pdf", "<html>"}}), {"no-pdf"}, 0},
        {"a damaged attachment",
         ArmarZip({xml, con(adjunto, [](auto& e) { e.crc = 7; })}),
         {"crc"},
         0},
        {"an encrypted attachment",
         ArmarZip({xml, con(adjunto, [](auto& e) { e.banderas = 1; })}),
         {"cifrada"},
         0},
        {"a NUL in a name",
         ArmarZip({xml, adjunto, {QByteArray("a\0b", 3), "x"}}),
         {"nombre-nulo", "ajena"},
         0},
        {"another local name",
         ArmarZip({xml, con(adjunto, [](auto& e) { e.nombreLocal = "desctec/dexc.pdf"; })}),
         {"nombre-local"},
         0},
        {"the project twice",
         ArmarZip({xml, adjunto, {"proyecto.xml", "<otro/>"}}),
         {"duplicada"},
         0},
        {"a project that is no XML",
         ArmarZip({{"proyecto.xml", "<import>"}, adjunto}),
         {"xml", "ajena"},
         0},
        {"a zip bomb",
         ArmarZip({{"proyecto.xml", proyecto + QByteArray(20 << 20, ' ')}, adjunto}),
         {"razon", "ajena"},
         0},
        {"a name leading out",
         ArmarZip({xml, adjunto, {"../x", "x"}}),
         {"fuera-de-carpeta", "ajena"},
         0},
    };
    const TRevisionEntrada revision(carpeta.PathOf(QString()));
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        QString ruta = propio;
        if (!caso.bytes.isEmpty()) {
            ruta = carpeta.PathOf("paquete.zip");
            carpeta.WriteFile("paquete.zip", caso.bytes);
        }
        const TResultadoEntrada resultado = revision.Revisar(ruta);
        EXPECT_TRUE(resultado.error.isEmpty());
        EXPECT_EQ(Codigos(resultado), caso.codigos);
        EXPECT_EQ(resultado.hallazgos.Count(), caso.hallazgos)
            << resultado.hallazgos.Mensajes().join('\n').toStdString();
        EXPECT_EQ(resultado.Veredicto(), caso.codigos.isEmpty() && caso.hallazgos == 0
                                             ? TResultadoEntrada::TVeredicto::Aprobado
                                             : TResultadoEntrada::TVeredicto::Observado);
    }
}

} // namespace
