#include "document/UCarpetaTrabajo.h"
#include "document/UErrores.h"
#include "package/KZip.h"
#include "package/ULectorPaquete.h"

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

} // namespace

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
