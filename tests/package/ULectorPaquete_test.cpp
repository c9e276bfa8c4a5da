#include "document/UCarpetaTrabajo.h"
#include "document/UErrores.h"
#include "package/KZip.h"
#include "package/ULectorPaquete.h"
#include "package/ZipArmado.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

const QByteArray kProyecto =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<project>Solicitud</project>\n";

// Entries that fill a package up to a count, stored and empty.
std::vector<TEntradaArmada> Relleno(int count) {
    std::vector<TEntradaArmada> entradas;
    for (int i = 0; i < count; ++i)
        entradas.push_back({"otros/" + QByteArray::number(i), {}, 0});
    return entradas;
}

std::vector<TEntradaArmada> Junto(std::vector<TEntradaArmada> a,
                                  const std::vector<TEntradaArmada>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

// Packages that are good, however their sizes, counts or attachments look to a careless reader.
TEST(LectorPaqueteTest, ReadsTheProjectOfEveryGoodPackage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A blank PDF of 65 MB: past the size limit, and more than 100 times its compressed size.
    const QByteArray blanco = "%PDF-1.4\n" + QByteArray(65 * 1024 * 1024, ' ');
    const struct {
        const char* caso;
        std::vector<TEntradaArmada> entradas;
        bool final64;
    } casos[] = {
        {"zip64 sizes in both headers", {{"proyecto.xml", kProyecto, 8, 0, true}}, false},
        {"zip64 end records", {{"proyecto.xml", kProyecto}}, true},
        {"65 534 entries", Junto(Relleno(65533), {{"proyecto.xml", kProyecto}}), false},
        {"65 535 entries", Junto(Relleno(65534), {{"proyecto.xml", kProyecto}}), false},
        {"65 536 entries", Junto(Relleno(65535), {{"proyecto.xml", kProyecto}}), false},
        {"65 535 entries, the project first", Junto({{"proyecto.xml", kProyecto}}, Relleno(65534)),
         false},
        {"a large, blank attachment",
         {{"proyecto.xml", kProyecto}, {"desctec/blanco.pdf", blanco}},
         false},
        {"a stored project", {{"proyecto.xml", kProyecto, 0}}, false},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        const QString path = dir.filePath(QStringLiteral("paquete.zip"));
        Write(path, ArmarZip(caso.entradas, caso.final64));
        EXPECT_EQ(TLectorPaquete::LeerProyecto(path), kProyecto);
    }
}

// The program's own packages with zip64 entries, as it writes them when a size needs it.
TEST(LectorPaqueteTest, ReadsAndChecksAPackageWhoseEntriesAreZip64) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    SetWorkingFolder(work.path());
    Write(work.filePath("proyecto.xml"), kProyecto);
    Write(work.filePath("desctec/d.pdf"), "%PDF-1.4\n%%EOF\n");
    const QString package = work.filePath("p.zip");
    TKZip(1).ZipFiles(package, 2, {work.filePath("proyecto.xml"), work.filePath("desctec/d.pdf")});
    SetWorkingFolder(QString());

    EXPECT_EQ(TLectorPaquete::LeerProyecto(package), kProyecto);
    TLectorPaquete lector(package);
    ASSERT_EQ(lector.Indice().Entradas().size(), 2u);
    QByteArray adjunto;
    EXPECT_FALSE(lector.Comprobar(
        lector.Indice().Entradas().at(1),
        [&adjunto](const char* datos, qsizetype size) { adjunto.append(datos, size); }));
    EXPECT_EQ(adjunto, "%PDF-1.4\n%%EOF\n");
}

// Whatever two readers could read differently, or a reader could not read safely, is refused
// with its reason; no package is half read.
TEST(LectorPaqueteTest, RefusesHostilePackagesWithTheirReason) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const TEntradaArmada proyecto{"proyecto.xml", kProyecto};
    const auto cambiado = [&proyecto](auto&& cambio) {
        TEntradaArmada e = proyecto;
        cambio(e);
        return e;
    };
    const struct {
        const char* caso;
        QByteArray bytes;
        const char* codigo;
        const char* motivo;
    } casos[] = {
        {"not a zip", "PK\x03\x04<project/>", "no-zip", "no es un archivo zip que se pueda leer"},
        {"an empty zip", ArmarZip({}), "sin-proyecto", "no contiene \"proyecto.xml\""},
        {"a cut directory", ArmarZip({proyecto}).chopped(30), "no-zip", "no es un archivo zip"},
        {"a name longer than minizip reads",
         ArmarZip({proyecto, {"desctec/" + QByteArray(1016, 'a'), "x"}}), "nombre-largo",
         "supera los 1023 bytes"},
        {"a long name cut where a character outside the BMP starts",
         ArmarZip({proyecto,
                   {"desctec/" + QByteArray(31, 'a') + "\xF0\x9F\x98\x80" + QByteArray(1000, 'b'),
                    "x"}}),
         "nombre-largo", "\"desctec/aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa...\" supera los 1023 bytes"},
        {"a NUL in a name", ArmarZip({proyecto, {QByteArray("desctec/a\0.pdf", 14), "x"}}),
         "nombre-nulo", "el nombre de la entrada \"desctec/a\\0.pdf\" tiene un carácter nulo"},
        {"another name in the local header",
         ArmarZip({cambiado([](TEntradaArmada& e) { e.nombreLocal = "proyecto.old"; })}),
         "nombre-local", "lleva otro nombre en su encabezado local: \"proyecto.old\""},
        {"the project twice", ArmarZip({proyecto, {"proyecto.xml", "<otro/>"}}), "duplicada",
         "la entrada \"proyecto.xml\" figura más de una vez"},
        {"a name leading out", ArmarZip({proyecto, {"../../fuera.txt", "x"}}), "fuera-de-carpeta",
         "la entrada \"../../fuera.txt\" apunta fuera de su carpeta"},
        {"encrypted, yet stored plain",
         ArmarZip({cambiado([](TEntradaArmada& e) { e.banderas = 1; })}), "cifrada",
         "la entrada \"proyecto.xml\" está cifrada"},
        {"an unknown method", ArmarZip({cambiado([](TEntradaArmada& e) { e.metodo = 12; })}),
         "metodo", "usa un método de compresión desconocido (12)"},
        {"a zip bomb", ArmarZip({{"proyecto.xml", kProyecto + QByteArray(20 << 20, ' ')}}), "razon",
         "la entrada \"proyecto.xml\" se expande más de 100 veces"},
        {"a size that wraps", ArmarZip({cambiado([](TEntradaArmada& e) {
             e.zip64 = true;
             e.expandido = ~std::uint64_t(0);
         })}),
         "grande", "la entrada \"proyecto.xml\" supera los 64 MB"},
        {"a compressed size past the file", ArmarZip({cambiado([](TEntradaArmada& e) {
             e.zip64 = true;
             e.comprimido = std::uint64_t(1) << 62;
         })}),
         "truncada", "los datos de la entrada \"proyecto.xml\" no caben en el archivo"},
        {"a size smaller than the data",
         ArmarZip({cambiado([](TEntradaArmada& e) { e.expandido = 10; })}), "danada",
         "la entrada \"proyecto.xml\" está dañada"},
        {"a wrong CRC", ArmarZip({cambiado([](TEntradaArmada& e) { e.crc = 1234; })}), "crc",
         "la entrada \"proyecto.xml\" no coincide con su CRC"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        const QString path = dir.filePath(QStringLiteral("paquete.zip"));
        Write(path, caso.bytes);
        try {
            TLectorPaquete::LeerProyecto(path);
            ADD_FAILURE() << "read";
        } catch (const EVelornError& e) {
            EXPECT_TRUE(
                e.Message().startsWith("No se puede importar el paquete \"" + path + "\": "));
            EXPECT_TRUE(e.Message().contains(QString::fromUtf8(caso.motivo)))
                << e.Message().toStdString();
        }
        TLectorPaquete lector(path);
        TProblemaZip problema;
        const std::vector<TProblemaZip>& problemas = lector.Indice().Problemas();
        if (problemas.empty()) {
            EXPECT_FALSE(lector.Proyecto(problema));
        }
        EXPECT_EQ((problemas.empty() ? problema : problemas.front()).codigo.toStdString(),
                  caso.codigo);
    }
}

// The package is found by its Unicode path on every system: a folder named with accents, ñ or
// letters outside any 8-bit code page is where applicants keep their work.
TEST(LectorPaqueteTest, ReadsTheProjectOfAPackageWhoseFolderIsNamedInAnyScript) {
    const QByteArray proyecto =
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<project>Solicitud</project>\n";
    for (const QString& folder :
         {QStringLiteral("Solicitud 2027"), QStringLiteral("José Núñez/Solicitud año 2027"),
          QStringLiteral("Ünïcødé ñ/Заявка 申請")}) {
        SCOPED_TRACE(folder.toStdString());
        QTemporaryDir work;
        QTemporaryDir dest;
        ASSERT_TRUE(work.isValid() && dest.isValid());
        SetWorkingFolder(work.path());
        Write(work.filePath("proyecto.xml"), proyecto);
        Write(work.filePath("desctec/descripción.pdf"), "%PDF-1.4\n%%EOF\n");
        const QString package = dest.filePath(folder + QStringLiteral("/20123456.zip"));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(package).absolutePath()));
        TKZip().ZipFiles(package, 2,
                         {work.filePath("proyecto.xml"), work.filePath("desctec/descripción.pdf")});
        SetWorkingFolder(QString());

        EXPECT_TRUE(TLectorPaquete::EsZip(package));
        EXPECT_EQ(TLectorPaquete::LeerProyecto(package), proyecto);
        const QString missing = dest.filePath(folder + QStringLiteral("/otro.zip"));
        EXPECT_THROW(TLectorPaquete::LeerProyecto(missing), EVelornError);
    }
}
