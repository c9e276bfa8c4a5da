// A person appended without looking for it first is written exactly as the group editor's own
// store writes a new person: the import relies on it.
#include "document/UXMLProject.h"
#include "form/UFichaPersona.h"
#include "form/UGrupo.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(FichaPersonaNueva, WrittenAsTheEditorWritesANewPerson) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TFichaPersona ficha;
    ficha.SetCuil(QStringLiteral("20123456786"));
    ficha.SetValor(QStringLiteral("rol"), QStringLiteral("Estudiante"));
    ficha.SetValor(QStringLiteral("nombre"), QStringLiteral("Ñandú <&> ]]>"));
    ficha.SetValor(QStringLiteral("curricularCV"), QStringLiteral("Línea uno\nlínea dos"));
    ficha.SetValor(QStringLiteral("empleador5FechaInicio"), QStringLiteral("01/02/2003"));

    std::string written[2];
    for (int i = 0; i < 2; ++i) {
        TXMLProject project(dir.filePath(QStringLiteral("p%1.xml").arg(i)));
        TGrupo grupo(project, TGrupo::GrupoColaborador());
        grupo.SelectParticipante(QStringLiteral("20999999999"));
        if (i == 0)
            ficha.Store(grupo);
        else
            ficha.StoreNuevo(grupo);
        written[i] = project.Serialize();
        project.Discard();
    }
    EXPECT_EQ(written[1], written[0]);
    TXMLProject project(dir.filePath(QStringLiteral("p.xml")));
    TGrupo grupo(project, TGrupo::GrupoColaborador());
    ficha.StoreNuevo(grupo);
    const TFichaPersona leida = TFichaPersona::ReadNode(grupo.Participante());
    for (const QString& campo : TFichaPersona::Campos())
        EXPECT_EQ(leida.Valor(campo), ficha.Valor(campo)) << campo.toStdString();
    EXPECT_EQ(leida.Cuil(), ficha.Cuil());
    project.Discard();
}
