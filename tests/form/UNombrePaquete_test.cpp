#include "form/UNombrePaquete.h"

#include "document/UErrores.h"
#include "document/UXMLProject.h"
#include "form/UGrupo.h"
#include "support/UProyectoPrueba.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

struct Persona {
    const char* grupo;
    const char* cuil;
    const char* rol;
    const char* documento;
};

void AddPersona(TXMLProject& document, const Persona& p) {
    TGrupo grupo(document, p.grupo);
    grupo.SelectParticipante(p.cuil);
    grupo.SetField("rol", p.rol);
    grupo.SetField("nroDocumento", p.documento);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(GetPackageNameTest, IsTheResponsibleInvestigatorsDocumentNumber) {
    struct Case {
        const char* name;
        std::vector<Persona> personas;
        std::optional<QString> result; // none: the name is refused
    };
    const Case cases[] = {
        {"the responsible investigator after a member",
         {{"gruporesponsable", "20111111112", "Investigador Integrante", "11111111"},
          {"gruporesponsable", "20222222223", "Investigador Responsable", "22222222"},
          {"grupocolaborador", "20333333334", "Becario", "33333333"}},
         QStringLiteral("22222222")},
        {"the first of two responsible investigators",
         {{"gruporesponsable", "20222222223", "Investigador Responsable", "22222222"},
          {"gruporesponsable", "20444444445", "Investigador Responsable", "44444444"}},
         QStringLiteral("22222222")},
        {"a responsible investigator in the collaborating group does not count",
         {{"gruporesponsable", "20111111112", "Investigador Integrante", "11111111"},
          {"grupocolaborador", "20222222223", "Investigador Responsable", "22222222"}},
         std::nullopt},
        {"no persons at all", {}, std::nullopt},
        {"no document number",
         {{"gruporesponsable", "20222222223", "Investigador Responsable", ""}},
         std::nullopt},
        {"a number that leaves the folder",
         {{"gruporesponsable", "20222222223", "Investigador Responsable", "../12"}},
         std::nullopt},
        {"a number Windows cannot name a file after",
         {{"gruporesponsable", "20222222223", "Investigador Responsable", "12:34"}},
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TCarpetaPrueba carpeta;
        ASSERT_TRUE(carpeta.IsValid());
        {
            TXMLProject document(carpeta.ProyectoPath());
            for (const Persona& p : c.personas)
                AddPersona(document, p);
            document.Save(true);
        }
        const QByteArray before = ReadAll(carpeta.ProyectoPath());
        if (c.result) {
            EXPECT_EQ(GetPackageName(), *c.result);
        } else {
            EXPECT_THROW(GetPackageName(), EVelornError);
        }
        EXPECT_EQ(ReadAll(carpeta.ProyectoPath()), before);
        EXPECT_FALSE(QFileInfo::exists(carpeta.ProyectoPath() + ".bak"));
    }
}

TEST(GetPackageNameTest, AMissingOrBrokenProjectIsAnErrorAndStaysAsItWas) {
    TCarpetaPrueba carpeta;
    ASSERT_TRUE(carpeta.IsValid());
    EXPECT_THROW(GetPackageName(), EVelornError);
    EXPECT_FALSE(QFileInfo::exists(carpeta.ProyectoPath()));

    carpeta.WriteFile("proyecto.xml", "<import><gruporesponsable>");
    EXPECT_THROW(GetPackageName(), EVelornError);
    EXPECT_EQ(ReadAll(carpeta.ProyectoPath()), QByteArray("<import><gruporesponsable>"));
}
