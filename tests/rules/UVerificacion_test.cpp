#include "rules/UVerificacion.h"

#include "config/UConfiguracion.h"
#include "config/URegional.h"
#include "document/UXMLProject.h"
#include "support/UProyectoPrueba.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString kIsDraft = QStringLiteral("project/document/isDraft/");

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The outcome goes into the flag, and the file is written only when the flag changes: from
// "0" or "1" to the other value, never for the same one, so a project that fails again after
// its store is left exactly as stored.
TEST(Verificacion, WritesTheFileOnlyWhenTheFlagChanges) {
    struct TCaso {
        bool passes;
        bool stored;
        const char* flag;
        bool written;
    };
    const TCaso casos[] = {
        {true, false, "1", true},
        {false, false, "0", false},
        {true, true, "1", false},
        {false, true, "0", true},
    };
    SetRegional(std::make_unique<TConfiguracionRegionalFija>(QLatin1Char('.'),
                                                             QStringLiteral("dd/MM/yyyy")));
    for (const TCaso& caso : casos) {
        SCOPED_TRACE(std::string("passes ") + (caso.passes ? "yes" : "no") + ", stored " +
                     (caso.stored ? "1" : "0"));
        TCarpetaPrueba carpeta;
        ASSERT_TRUE(carpeta.IsValid());
        carpeta.WriteConfig();
        {
            TXMLProject project(carpeta.ProyectoPath());
            FillCompleteProject(project, carpeta);
            if (!caso.passes)
                project.SetCData(QStringLiteral("project/document/properties/title/"), QString());
            project.SetAttributeInt(kIsDraft, QStringLiteral("value"), caso.stored);
            project.Save(true);
        }
        const QByteArray before = Bytes(carpeta.ProyectoPath());
        TConfiguracion configuracion;
        configuracion.Open();

        TVerificacion verificacion(carpeta.ProyectoPath());
        const QStringList messages = verificacion.Check(configuracion).Mensajes();
        EXPECT_EQ(messages.isEmpty(), caso.passes) << messages.join(" / ").toStdString();
        verificacion.Finish(messages.isEmpty());

        TXMLProject after(carpeta.ProyectoPath());
        EXPECT_EQ(after.GetAttribute(kIsDraft, QStringLiteral("value"), QString()), caso.flag);
        after.Discard();
        EXPECT_EQ(Bytes(carpeta.ProyectoPath()) != before, caso.written);
        // What is written is what writing the whole document with the new flag writes.
        if (caso.written) {
            const auto stored = TXMLProject::FromBytes(before, carpeta.ProyectoPath());
            stored->SetAttributeInt(kIsDraft, QStringLiteral("value"), caso.passes);
            EXPECT_EQ(Bytes(carpeta.ProyectoPath()),
                      QByteArray::fromStdString(stored->Serialize()));
            stored->Discard();
        }
        // A write keeps the file as it was in the ".bak" copy.
        EXPECT_EQ(QFile::exists(carpeta.ProyectoPath() + ".bak"), caso.written);
    }
    SetRegional(nullptr);
}

} // namespace
