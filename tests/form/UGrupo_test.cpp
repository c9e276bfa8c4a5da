#include "form/UGrupo.h"

#include "document/UXMLProject.h"
#include "support/UProyectoPrueba.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const QString kResponsable = QStringLiteral("gruporesponsable");
const QString kColaborador = QStringLiteral("grupocolaborador");

class GrupoTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(carpeta_.IsValid()); }

    // Writes the document as it stands, so that another object can read it back.
    std::string Bytes(TXMLProject& document) const { return document.Serialize(); }

    // A stored project with the persons added through TGrupo, reopened from the file.
    void StorePersons(const QString& grupo, const QList<QPair<QString, QString>>& cuilsAndRoles) {
        TXMLProject document(carpeta_.ProyectoPath());
        TGrupo group(document, grupo);
        for (const auto& [cuil, rol] : cuilsAndRoles) {
            group.SelectParticipante(cuil);
            group.SetField(QStringLiteral("rol"), rol);
        }
        document.Save(true);
    }

    TCarpetaPrueba carpeta_;
};

TEST_F(GrupoTest, ReadingAMissingGroupCreatesItEmpty) {
    TXMLProject document(carpeta_.ProyectoPath());
    TGrupo group(document, kColaborador);
    EXPECT_EQ(group.Count(), 0);
    EXPECT_TRUE(group.GetCuils().isEmpty());
    EXPECT_TRUE(group.GetResponsableCuil().isEmpty());
    EXPECT_FALSE(group.HasParticipante());
    EXPECT_TRUE(group.GetField(QStringLiteral("nombre")).isEmpty());
    EXPECT_NE(Bytes(document).find("<grupocolaborador"), std::string::npos);
    EXPECT_EQ(Bytes(document).find("participante"), std::string::npos);
}

TEST_F(GrupoTest, SelectAppendsANewPersonAtTheEndAndFindsExistingOnes) {
    TXMLProject document(carpeta_.ProyectoPath());
    TGrupo group(document, kResponsable);
    group.SelectParticipante(QStringLiteral("20111111112"));
    group.SetField(QStringLiteral("nombre"), QStringLiteral("Ana"));
    group.SelectParticipante(QStringLiteral("27222222223"));
    group.SetField(QStringLiteral("nombre"), QStringLiteral("Berta"));

    group.SelectParticipante(QStringLiteral("20111111112"));
    EXPECT_EQ(group.GetField(QStringLiteral("nombre")), QStringLiteral("Ana"));
    EXPECT_EQ(group.Count(), 2);
    EXPECT_EQ(group.GetCuils(),
              QStringList({QStringLiteral("20111111112"), QStringLiteral("27222222223")}));
    EXPECT_EQ(group.Participante().Attribute(QStringLiteral("cuil")),
              QStringLiteral("20111111112"));

    // A new person has no fields yet.
    group.SelectParticipante(QStringLiteral("23333333334"));
    EXPECT_EQ(group.Count(), 3);
    EXPECT_EQ(group.Participante().ChildCount(), 0);
    EXPECT_EQ(group.GetCuils().last(), QStringLiteral("23333333334"));
}

TEST_F(GrupoTest, TheGroupsAreSeparate) {
    TXMLProject document(carpeta_.ProyectoPath());
    TGrupo(document, kResponsable).SelectParticipante(QStringLiteral("20111111112"));
    TGrupo colaborador(document, kColaborador);
    EXPECT_FALSE(colaborador.Contains(QStringLiteral("20111111112")));
    EXPECT_EQ(colaborador.Count(), 0);
    EXPECT_TRUE(TGrupo(document, kResponsable).Contains(QStringLiteral("20111111112")));
}

// Every child of the group counts as a person, whatever its name; duplicate CUILs (which the
// editor refuses, but a file may hold) resolve to the first.
TEST_F(GrupoTest, ReadsEveryChildAndTheFirstOfDuplicates) {
    carpeta_.WriteFile(QStringLiteral("proyecto.xml"),
                       "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                       "<import>\r\n"
                       "  <gruporesponsable>\r\n"
                       "    <participante cuil=\"1\"><nombre>Uno</nombre></participante>\r\n"
                       "    <persona cuil=\"2\"><nombre>Dos</nombre></persona>\r\n"
                       "    <participante><nombre>Sin cuil</nombre></participante>\r\n"
                       "    <participante cuil=\"1\"><nombre>Otro uno</nombre></participante>\r\n"
                       "  </gruporesponsable>\r\n"
                       "</import>\r\n");
    TXMLProject document(carpeta_.ProyectoPath());
    TGrupo group(document, kResponsable);
    EXPECT_EQ(group.Count(), 4);
    EXPECT_EQ(group.GetCuils(), QStringList({QStringLiteral("1"), QStringLiteral("2"), QString(),
                                             QStringLiteral("1")}));
    group.SelectParticipante(QStringLiteral("1"));
    EXPECT_EQ(group.GetField(QStringLiteral("nombre")), QStringLiteral("Uno"));
    group.SelectParticipante(QStringLiteral("2"));
    EXPECT_EQ(group.GetField(QStringLiteral("nombre")), QStringLiteral("Dos"));
    group.SelectParticipante(QString());
    EXPECT_EQ(group.GetField(QStringLiteral("nombre")), QStringLiteral("Sin cuil"));
    EXPECT_EQ(group.Count(), 4);
    EXPECT_FALSE(document.IsModified());

    group.DeleteParticipante(QStringLiteral("1"));
    EXPECT_EQ(group.GetCuils(), QStringList({QStringLiteral("2"), QString(), QStringLiteral("1")}));
    group.SelectParticipante(QStringLiteral("1"));
    EXPECT_EQ(group.GetField(QStringLiteral("nombre")), QStringLiteral("Otro uno"));
}

// Callers that visit every person get, for each, the person the lookup by its CUIL selects.
TEST_F(GrupoTest, EveryPersonByCuilIsWhatSelectingItsCuilFinds) {
    const struct {
        const char* persons;
        QStringList nombres;
    } cases[] = {
        {"", {}},
        {"<participante cuil=\"1\"><nombre>Uno</nombre></participante>", {"Uno"}},
        {"<participante cuil=\"1\"><nombre>Uno</nombre></participante>"
         "<persona cuil=\"2\"><nombre>Dos</nombre></persona>"
         "<participante><nombre>Sin cuil</nombre></participante>"
         "<participante cuil=\"1\"><nombre>Otro uno</nombre></participante>"
         "<participante cuil=\"\"><nombre>Cuil vacio</nombre></participante>"
         "<participante cuil=\"2\"><nombre>Otro dos</nombre></participante>",
         {"Uno", "Dos", "Sin cuil", "Uno", "Sin cuil", "Dos"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.persons);
        carpeta_.WriteFile(QStringLiteral("proyecto.xml"),
                           QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                                      "<import><gruporesponsable>") +
                               c.persons + "</gruporesponsable></import>\r\n");
        TXMLProject document(carpeta_.ProyectoPath());
        TGrupo group(document, kResponsable);
        const std::vector<TXMLNode> personas = group.ParticipantesPorCuil();
        QStringList nombres;
        for (const TXMLNode& persona : personas)
            nombres.append(TGrupo::FieldOf(persona, QStringLiteral("nombre")));
        EXPECT_EQ(nombres, c.nombres);
        // The same nodes the lookup selects, one for each CUIL in document order.
        const QStringList cuils = group.GetCuils();
        ASSERT_EQ(personas.size(), size_t(cuils.size()));
        TGrupo lookup(document, kResponsable);
        for (int i = 0; i < cuils.size(); ++i) {
            lookup.SelectParticipante(cuils[i]);
            EXPECT_TRUE(personas[size_t(i)] == lookup.Participante()) << i;
        }
        EXPECT_FALSE(group.HasParticipante());
        EXPECT_FALSE(document.IsModified());
    }
}

TEST_F(GrupoTest, GetFieldReadsOnlyOnePlainTextNode) {
    carpeta_.WriteFile(QStringLiteral("proyecto.xml"),
                       "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                       "<import>\r\n"
                       "  <grupocolaborador>\r\n"
                       "    <participante cuil=\"1\">\r\n"
                       "      <texto>Hola</texto>\r\n"
                       "      <cdata><![CDATA[En CDATA]]></cdata>\r\n"
                       "      <vacio/>\r\n"
                       "      <anidado><a>x</a></anidado>\r\n"
                       "      <texto>Segundo</texto>\r\n"
                       "    </participante>\r\n"
                       "  </grupocolaborador>\r\n"
                       "</import>\r\n");
    TXMLProject document(carpeta_.ProyectoPath());
    TGrupo group(document, kColaborador);
    EXPECT_TRUE(group.GetField(QStringLiteral("texto")).isEmpty()) << "no person selected yet";
    group.SelectParticipante(QStringLiteral("1"));

    const struct {
        const char* field;
        const char* expected;
    } cases[] = {
        {"texto", "Hola"}, // the first of two elements of that name
        {"cdata", ""},     {"vacio", ""}, {"anidado", ""}, {"falta", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(group.GetField(QString::fromUtf8(c.field)), QString::fromUtf8(c.expected))
            << c.field;
}

TEST_F(GrupoTest, SetFieldStoresPlainTextOnlyWhenTheValueChanges) {
    {
        TXMLProject document(carpeta_.ProyectoPath());
        TGrupo group(document, kResponsable);
        group.SelectParticipante(QStringLiteral("20111111112"));
        group.SetField(QStringLiteral("rol"), QStringLiteral("Investigador Integrante"));
        group.SetField(QStringLiteral("nombre"), QString()); // never filled: nothing
        group.SetField(QStringLiteral("apellido"), QStringLiteral("Gómez"));
        group.SetField(QStringLiteral("curricularCV"), QStringLiteral("Línea 1\r\nLínea 2"));
        group.SetField(QStringLiteral("nombre"), QStringLiteral("Ana")); // appended last
        document.Save(true);
        const std::string bytes = document.Serialize();
        EXPECT_EQ(bytes.find("CDATA"), std::string::npos);
    }
    TXMLProject document(carpeta_.ProyectoPath());
    TGrupo group(document, kResponsable);
    group.SelectParticipante(QStringLiteral("20111111112"));
    const TXMLNode person = group.Participante();
    ASSERT_EQ(person.ChildCount(), 4);
    EXPECT_EQ(person.Child(0).Name(), QStringLiteral("rol"));
    EXPECT_EQ(person.Child(1).Name(), QStringLiteral("apellido"));
    EXPECT_EQ(person.Child(2).Name(), QStringLiteral("curricularCV"));
    EXPECT_EQ(person.Child(3).Name(), QStringLiteral("nombre"));
    EXPECT_EQ(group.GetField(QStringLiteral("apellido")), QStringLiteral("Gómez"));
    EXPECT_EQ(group.GetField(QStringLiteral("curricularCV")), QStringLiteral("Línea 1\r\nLínea 2"));

    // The same value again changes nothing.
    group.SetField(QStringLiteral("apellido"), QStringLiteral("Gómez"));
    EXPECT_FALSE(document.IsModified());

    // A changed value replaces the content; an emptied field keeps its (empty) element.
    group.SetField(QStringLiteral("apellido"), QStringLiteral("Pérez"));
    group.SetField(QStringLiteral("nombre"), QString());
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(group.GetField(QStringLiteral("apellido")), QStringLiteral("Pérez"));
    EXPECT_TRUE(person.FirstChild(QStringLiteral("apellido")).HoldsPlainText());
    document.Save(true);

    TXMLProject reread(carpeta_.ProyectoPath());
    TGrupo again(reread, kResponsable);
    again.SelectParticipante(QStringLiteral("20111111112"));
    EXPECT_EQ(again.Participante().ChildCount(), 4);
    EXPECT_FALSE(again.Participante().FirstChild(QStringLiteral("nombre")).IsNull());
    EXPECT_TRUE(again.GetField(QStringLiteral("nombre")).isEmpty());
    EXPECT_EQ(again.GetField(QStringLiteral("apellido")), QStringLiteral("Pérez"));
}

// A value held as CDATA or as child elements does not read, so storing a value replaces that
// content with one text node.
TEST_F(GrupoTest, SetFieldReplacesContentThatDoesNotRead) {
    carpeta_.WriteFile(QStringLiteral("proyecto.xml"),
                       "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                       "<import><gruporesponsable><participante cuil=\"1\">"
                       "<nombre><![CDATA[Ana]]></nombre><apellido><a/>x</apellido>"
                       "</participante></gruporesponsable></import>\r\n");
    TXMLProject document(carpeta_.ProyectoPath());
    TGrupo group(document, kResponsable);
    group.SelectParticipante(QStringLiteral("1"));
    group.SetField(QStringLiteral("nombre"), QStringLiteral("Ana"));
    group.SetField(QStringLiteral("apellido"), QStringLiteral("López"));
    EXPECT_EQ(group.GetField(QStringLiteral("nombre")), QStringLiteral("Ana"));
    EXPECT_EQ(group.GetField(QStringLiteral("apellido")), QStringLiteral("López"));
    EXPECT_EQ(group.Participante().FirstChild(QStringLiteral("apellido")).ChildCount(), 0);
    EXPECT_EQ(group.Participante().ChildCount(), 2);
}

TEST_F(GrupoTest, EditingKeepsThePersonsPlace) {
    StorePersons(kColaborador, {{QStringLiteral("1"), QStringLiteral("Estudiante")},
                                {QStringLiteral("2"), QStringLiteral("Investigador")},
                                {QStringLiteral("3"), QStringLiteral("Otra Función")}});
    TXMLProject document(carpeta_.ProyectoPath());
    TGrupo group(document, kColaborador);
    group.SelectParticipante(QStringLiteral("2"));
    group.SetField(QStringLiteral("rol"), QStringLiteral("Personal Técnico"));
    EXPECT_EQ(group.GetCuils(),
              QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    group.SelectParticipante(QStringLiteral("2"));
    EXPECT_EQ(group.GetField(QStringLiteral("rol")), QStringLiteral("Personal Técnico"));
}

TEST_F(GrupoTest, DeleteRemovesOnlyThatPerson) {
    StorePersons(kResponsable, {{QStringLiteral("1"), QStringLiteral("Investigador Integrante")},
                                {QStringLiteral("2"), QStringLiteral("Investigador Responsable")},
                                {QStringLiteral("3"), QStringLiteral("Investigador Integrante")},
                                {QStringLiteral("4"), QStringLiteral("Investigador Integrante")}});
    TXMLProject document(carpeta_.ProyectoPath());
    TGrupo group(document, kResponsable);

    group.DeleteParticipante(QStringLiteral("9"));
    EXPECT_EQ(group.Count(), 4);
    EXPECT_FALSE(document.IsModified());

    group.SelectParticipante(QStringLiteral("3"));
    group.DeleteParticipante(QStringLiteral("2"));
    EXPECT_EQ(group.GetCuils(),
              QStringList({QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("4")}));
    EXPECT_EQ(group.Participante().Attribute(QStringLiteral("cuil")), QStringLiteral("3"))
        << "another person stays selected";
    EXPECT_TRUE(group.GetResponsableCuil().isEmpty());

    group.DeleteParticipante(QStringLiteral("3"));
    EXPECT_FALSE(group.HasParticipante());
    EXPECT_TRUE(group.GetField(QStringLiteral("rol")).isEmpty());
    group.SetField(QStringLiteral("rol"), QStringLiteral("Investigador Integrante"));
    EXPECT_EQ(group.GetCuils(), QStringList({QStringLiteral("1"), QStringLiteral("4")}));
}

TEST_F(GrupoTest, ResponsableIsTheFirstWithExactlyThatRol) {
    StorePersons(kResponsable, {{QStringLiteral("1"), QStringLiteral("Investigador Integrante")},
                                {QStringLiteral("2"), QStringLiteral("investigador responsable")},
                                {QStringLiteral("3"), QStringLiteral("Investigador Responsable ")},
                                {QStringLiteral("4"), QStringLiteral("Investigador Responsable")},
                                {QStringLiteral("5"), QStringLiteral("Investigador Responsable")}});
    {
        TXMLProject document(carpeta_.ProyectoPath());
        TGrupo group(document, kResponsable);
        group.SelectParticipante(QStringLiteral("4"));
        group.SetField(QStringLiteral("nroDocumento"), QStringLiteral("22333444"));
        group.SelectParticipante(QStringLiteral("5"));
        group.SetField(QStringLiteral("nroDocumento"), QStringLiteral("99999999"));
        document.Save(true);
    }
    TXMLProject document(carpeta_.ProyectoPath());
    TGrupo group(document, kResponsable);
    group.SelectParticipante(QStringLiteral("1"));
    EXPECT_EQ(group.GetResponsableCuil(), QStringLiteral("4"));
    EXPECT_EQ(group.Participante().Attribute(QStringLiteral("cuil")), QStringLiteral("1"))
        << "looking the CUIL up leaves the selection alone";
    EXPECT_EQ(group.GetResponsableDocumento(), QStringLiteral("22333444"));
    EXPECT_EQ(group.Participante().Attribute(QStringLiteral("cuil")), QStringLiteral("4"));
    EXPECT_EQ(group.Count(), 5);
}

TEST_F(GrupoTest, WithoutResponsableTheDocumentIsEmptyAndNothingIsAdded) {
    StorePersons(kResponsable, {{QStringLiteral("1"), QStringLiteral("Investigador Integrante")}});
    StorePersons(kColaborador, {{QStringLiteral("2"), QStringLiteral("Investigador Responsable")}});
    TXMLProject document(carpeta_.ProyectoPath());
    TGrupo group(document, kResponsable);
    group.SelectParticipante(QStringLiteral("1"));
    EXPECT_TRUE(group.GetResponsableCuil().isEmpty());
    EXPECT_TRUE(group.GetResponsableDocumento().isEmpty());
    EXPECT_EQ(group.Count(), 1);
    EXPECT_EQ(group.Participante().Attribute(QStringLiteral("cuil")), QStringLiteral("1"));
    EXPECT_FALSE(document.IsModified());
}

// A responsible investigator stored with a CDATA rol is not found: the rol does not read.
TEST_F(GrupoTest, ResponsableRolMustBePlainText) {
    carpeta_.WriteFile(QStringLiteral("proyecto.xml"),
                       "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                       "<import><gruporesponsable><participante cuil=\"1\">"
                       "<rol><![CDATA[Investigador Responsable]]></rol>"
                       "<nroDocumento>1</nroDocumento>"
                       "</participante></gruporesponsable></import>\r\n");
    TXMLProject document(carpeta_.ProyectoPath());
    TGrupo group(document, kResponsable);
    EXPECT_TRUE(group.GetResponsableCuil().isEmpty());
    EXPECT_TRUE(group.GetResponsableDocumento().isEmpty());
}

} // namespace
