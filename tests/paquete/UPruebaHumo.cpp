// Smoke-test helper, built for every system: writes a complete project of the installation's
// first call with the program's own writers, verifies it against that installation, and writes
// the project, its attachment, its cover pages and its package into the folder given. The same
// run on two systems must give the same bytes.
//   velorn_prueba_humo <carpeta de la instalación> <carpeta de salida>
#include "config/UConfiguracion.h"
#include "config/URegional.h"
#include "cover/UCaratula.h"
#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"
#include "package/KZip.h"
#include "rules/UVerificacion.h"
#include "support/UProyectoPrueba.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

int Falla(const QString& why) {
    std::fprintf(stderr, "velorn_prueba_humo: %s\n", why.toUtf8().constData());
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return Falla(QStringLiteral("uso: velorn_prueba_humo <instalación> <carpeta de salida>"));
    const QDir instalacion(arguments.at(1));
    const QDir salida(arguments.at(2));
    if (!salida.mkpath(QStringLiteral(".")))
        return Falla(QStringLiteral("no se pudo crear ") + salida.path());
    SetRegional(std::make_unique<TConfiguracionRegionalFija>(QLatin1Char(','),
                                                             QStringLiteral("dd/MM/yyyy")));
    try {
        TCarpetaPrueba carpeta;
        if (!carpeta.IsValid())
            return Falla(QStringLiteral("sin carpeta temporal"));
        QStringList datos = {QStringLiteral("config.xml"), QStringLiteral("wrapper.xml")};
        QDir().mkpath(carpeta.PathOf(QStringLiteral("convoc")));
        for (const QString& convocatoria : QDir(instalacion.filePath(QStringLiteral("convoc")))
                                               .entryList({QStringLiteral("*.xml")}, QDir::Files))
            datos << QStringLiteral("convoc/") + convocatoria;
        for (const QString& dato : datos)
            if (!QFile::copy(instalacion.filePath(dato), carpeta.PathOf(dato)))
                return Falla(QStringLiteral("falta ") + instalacion.filePath(dato));
        TConfiguracion configuracion;
        configuracion.Open();
        if (configuracion.GetConvocatorias().isEmpty())
            return Falla(QStringLiteral("la instalación no ofrece convocatorias"));
        {
            TXMLProject project(carpeta.ProyectoPath());
            FillCompleteProject(project, carpeta, QLatin1Char(','));
            project.SetAttribute(QStringLiteral("project/document/properties/convocatoria/"),
                                 QStringLiteral("doc-name"),
                                 configuracion.GetConvocatorias().first());
            project.SetCData(QStringLiteral("project/document/properties/title/"),
                             QStringLiteral("Suelos del año 2027: ñandú, pingüino, €"));
            project.Save(true);
        }
        TVerificacion verificacion(carpeta.ProyectoPath());
        const QStringList mensajes = verificacion.Check(configuracion).Mensajes();
        verificacion.Finish(mensajes.isEmpty());
        if (!mensajes.isEmpty())
            return Falla(QStringLiteral("no verifica: ") + mensajes.join(QStringLiteral(" / ")));

        // Fixed times, so that the package's entries carry the same dates everywhere.
        const QDateTime fecha(QDate(2026, 12, 10), QTime(10, 30, 0));
        const QStringList fuentes = {carpeta.ProyectoPath(), carpeta.PathOf("desctec/desc.pdf")};
        for (const QString& fuente : fuentes) {
            QFile archivo(fuente);
            if (!archivo.open(QIODevice::ReadWrite) ||
                !archivo.setFileTime(fecha, QFileDevice::FileModificationTime))
                return Falla(QStringLiteral("no se pudo fechar ") + fuente);
        }
        TXMLProject stored(carpeta.ProyectoPath());
        TCaratula(stored).WriteCoverPages(salida.filePath(QStringLiteral("caratula.htm")));
        TKZip().ZipFiles(salida.filePath(QStringLiteral("12345678.zip")), 2, fuentes);
        salida.mkpath(QStringLiteral("desctec"));
        for (const QString& nombre :
             {QStringLiteral("proyecto.xml"), QStringLiteral("desctec/desc.pdf")}) {
            QFile::remove(salida.filePath(nombre));
            if (!QFile::copy(carpeta.PathOf(nombre), salida.filePath(nombre)))
                return Falla(QStringLiteral("no se pudo copiar ") + nombre);
        }
    } catch (const std::exception& error) {
        return Falla(QString::fromUtf8(error.what()));
    }
    return 0;
}
