#include "ui_support/UPruebaEnvio.h"

#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"
#include "support/UProyectoPrueba.h"

#include <QDir>
#include <QFile>

void TPruebaEnvio::SetUp() {
    TPruebaVentana::SetUp();
    abridor_ = &TAbridorGrabado::Install();
}

void TPruebaEnvio::TearDown() {
    TPruebaVentana::TearDown();
    SetAbridor(nullptr);
    abridor_ = nullptr;
}

void TPruebaEnvio::WriteCompleteProject(bool verified, const QString& destination) {
    WriteCompleteProjectInto(PathOf(QString()), verified, destination);
}

void WriteCompleteProjectInto(const QString& folder, bool verified, const QString& destination) {
    const QDir dir(folder);
    QFile::remove(dir.filePath(QStringLiteral("proyecto.xml")));
    const QString working = WorkingFolder();
    {
        // The helper writes its technical description into a folder of its own, which it
        // makes the working folder for a while.
        TCarpetaPrueba scratch;
        TXMLProject document(dir.filePath(QStringLiteral("proyecto.xml")));
        FillCompleteProject(document, scratch);
        document.SetAttributeInt(QStringLiteral("project/document/isDraft/"),
                                 QStringLiteral("value"), verified);
        document.SetAttribute(QStringLiteral("exportarFolder/"), QStringLiteral("file"),
                              destination);
        document.Save(true);
        document.Discard();
    }
    SetWorkingFolder(working);
    ASSERT_TRUE(dir.mkpath(QStringLiteral("desctec")));
    QFile pdf(dir.filePath(QStringLiteral("desctec/desc.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    pdf.write("%PDF-1.4\ndescripcion\n");
}

void TPruebaEnvio::WriteWrapper(const QString& name, const QString& program) {
    WriteFile(QStringLiteral("wrapper.xml"),
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<wrapper><ejecutar><" +
                  name.toLatin1() + " soft=\"" + program.toLatin1() +
                  "\"/></ejecutar></wrapper>\r\n");
}

void WritePassingProjectInto(const QString& folder, bool verified) {
    WriteCompleteProjectInto(folder, verified, folder);
    const QString properties = QStringLiteral("project/document/properties/");
    TXMLProject project(QDir(folder).filePath(QStringLiteral("proyecto.xml")));
    project.SetAttribute(properties + "convocatoria/", "doc-name", "ROVA-I-A-2026");
    project.ForceAttribute(properties + "areatematica/principal/", "code", "01");
    project.SetCData(properties + "areatematica/principal/text/",
                     "Ciencias Biológicas de Células y Moléculas");
    project.ForceAttribute(properties + "areatematica/secundaria/", "code", "15");
    project.SetCData(properties + "areatematica/secundaria/text/",
                     "Ciencias Biológicas de Organismos y Sistemas");
    project.Save(true);
    project.Release();
}
