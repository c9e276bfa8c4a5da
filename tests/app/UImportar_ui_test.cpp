// "Importar de otro proyecto...": group members and institutions of an earlier application,
// from its "proyecto.xml" or its package, with the group editor's checks, a question for an
// institution that already holds data, codes that left their lists, and every refusal.
#include "ui_support/UInstalacionMuestra.h"
#include "ui_support/UPruebaEnvio.h"
#include "ui_support/UPruebaGrupos.h"

#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"
#include "form/UFichaPersona.h"
#include "form/UGrupo.h"
#include "package/KZip.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>

#include <functional>

#include <zip.h>

namespace {

using TClase = TDialogoMostrado::TClase;

const QString kProyecto = QStringLiteral("proyecto.xml");
const QString kBen = QStringLiteral("beneficiaria/document/properties/");

// A zip file written with minizip, entry by entry, as any other program could write it.
void WriteZip(const QString& path, const QList<QPair<QByteArray, QByteArray>>& entries) {
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    ASSERT_NE(zip, nullptr);
    for (const auto& [name, bytes] : entries) {
        zip_fileinfo info{};
        ASSERT_EQ(zipOpenNewFileInZip64(zip, name.constData(), &info, nullptr, 0, nullptr, 0,
                                        nullptr, Z_DEFLATED, 9, 1),
                  ZIP_OK);
        ASSERT_EQ(zipWriteInFileInZip(zip, bytes.constData(), unsigned(bytes.size())), ZIP_OK);
        ASSERT_EQ(zipCloseFileInZip(zip), ZIP_OK);
    }
    ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);
}

class ImportarTest : public TPruebaGrupos {
  protected:
    void SetUp() override {
        TPruebaGrupos::SetUp();
        ASSERT_TRUE(CopySampleInstallation(PathOf(QString())));
        ASSERT_TRUE(QDir(PathOf(QString())).mkpath("anterior"));
        WriteEarlierProject();
    }
    QString Earlier() const { return PathOf("anterior/proyecto.xml"); }
    // A complete earlier project: its responsible investigator, a collaborator with every
    // field, one with a CUIL that fails its check, and a beneficiary whose type of institution
    // has a code the list no longer has.
    void WriteEarlierProject() {
        WritePassingProjectInto(PathOf("anterior"));
        TXMLProject project(Earlier());
        TGrupo colaboradores(project, TGrupo::GrupoColaborador());
        TFichaPersona ficha;
        ficha.SetCuil(ValidCuil(27999111));
        for (const auto& [campo, valor] : {std::pair{"rol", "Estudiante"},
                                           {"nombre", "Irene"},
                                           {"apellido", "Ibáñez"},
                                           {"paisNacimiento", "Atlántida"},
                                           {"laboralProvincia", "Salta"},
                                           {"curricularCV", "Licenciada."}})
            ficha.SetValor(campo, valor);
        ficha.Store(colaboradores);
        TFichaPersona mala;
        mala.SetCuil("20111111111");
        mala.SetValor("nombre", "Juan");
        mala.SetValor("apellido", "Jara");
        mala.Store(colaboradores);
        project.ForceAttribute(kBen + "tipoorganizacion/", "code", "ZZ");
        project.SetCData(kBen + "tipoorganizacion/text/", "Organismo disuelto");
        project.Save(true);
        project.Release();
    }
    void Import(const QString& path, const QList<int>& items) {
        Dialogs().AnswerPath(path);
        if (!items.isEmpty())
            Dialogs().AnswerItems(items);
        TriggerMenuItem("ImportarMenuItem");
    }
};

// Everything chosen from the project file, into an empty project: the persons the group editor
// would accept are stored, the other one is reported by name, the institutions fill their pages
// and the code that left its list is reported and left out.
TEST_F(ImportarTest, FromAProjectFile) {
    OpenActive();
    Import(Earlier(), {0, 1, 2, 3, 4, 5});
    const QStringList offered = Dialogs().OfferedItems();
    ASSERT_EQ(offered.size(), 6);
    EXPECT_TRUE(offered.at(0).contains("Investigador Responsable"));
    EXPECT_TRUE(offered.at(1).contains("Ibáñez, Irene"));
    EXPECT_EQ(offered.at(3), "Institución Beneficiaria");

    EXPECT_EQ(StoredRows("gruporesponsable").size(), 1);
    EXPECT_EQ(StoredRows("grupocolaborador").size(), 1);
    EXPECT_EQ(StoredField("grupocolaborador", ValidCuil(27999111), "paisNacimiento"), "");
    EXPECT_EQ(StoredField("grupocolaborador", ValidCuil(27999111), "laboralProvincia"), "Salta");
    EXPECT_EQ(GridRows("grupoColaboradorStringGrid").size(), 1);
    const QStringList report = Dialogs().Texts(TClase::Informacion);
    ASSERT_EQ(report.size(), 1);
    EXPECT_TRUE(report.first().contains("Se importaron 2 de 3 personas elegidas."));
    EXPECT_TRUE(report.first().contains(
        "No se importó a Juan Jara (20111111111): El cuil ingresado no es válido."));
    EXPECT_TRUE(report.first().contains("\"Atlántida\" de País de Nacimiento"));
    EXPECT_TRUE(report.first().contains("\"Organismo disuelto\" de Tipo de Institución"));

    EXPECT_FALSE(Find<QLineEdit>("benSiglasEdit")->text().isEmpty());
    EXPECT_EQ(Find<QComboBox>("benTipoInstitucionComboBox")->currentIndex(), -1);
    EXPECT_FALSE(Form().IsVerified());
    ClickToolButton("GuardarToolButton");
    EXPECT_EQ(StoredText(kBen + "denominacion/"), Find<QLineEdit>("benSiglasEdit")->text());
}

// From the package: a responsible investigator already in the project is refused; an
// institution that holds data is replaced only when the user says so.
TEST_F(ImportarTest, FromAPackage) {
    const QString package = PathOf("anterior/paquete.zip");
    {
        // Another responsible investigator than the project's own.
        TXMLProject earlier(Earlier());
        earlier.GetNode("gruporesponsable/").Child(0).SetAttribute("cuil", ValidCuil(20555444));
        earlier.Save(true);
        earlier.Release();
    }
    SetWorkingFolder(PathOf("anterior"));
    TKZip().ZipFiles(package, 1, {Earlier()});
    SetWorkingFolder(PathOf(QString()));

    WriteCompleteProjectInto(PathOf(QString()), true, QString());
    const QString siglas = StoredText(kBen + "denominacion/");
    OpenActive();
    Find<QLineEdit>("benSiglasEdit")->setText("PROPIA");
    Dialogs().Answer(TBotonDialogo::No);
    Import(package, {0, 3});
    EXPECT_EQ(Dialogs().Texts(TClase::Mensaje).size(), 1);
    EXPECT_EQ(Dialogs().Shown().at(2).defaultButton, TBotonDialogo::No);
    EXPECT_EQ(Find<QLineEdit>("benSiglasEdit")->text(), "PROPIA");
    const QString report = Dialogs().Texts(TClase::Informacion).value(0);
    EXPECT_TRUE(report.contains("Se importaron 0 de 1 personas elegidas."));
    EXPECT_TRUE(report.contains(": Ya existe un Investigador Responsable."))
        << report.toStdString();
    EXPECT_TRUE(Form().IsVerified()) << "nothing changed";

    NewDialogs();
    Dialogs().Answer(TBotonDialogo::Si);
    Import(package, {3});
    EXPECT_EQ(Find<QLineEdit>("benSiglasEdit")->text(), siglas);
    EXPECT_FALSE(Form().IsVerified());
}

// Files that are refused change nothing and say why.
TEST_F(ImportarTest, RefusedFiles) {
    const QByteArray project = ReadFile("anterior/proyecto.xml");
    const struct {
        const char* name;
        std::function<void(const QString&)> write;
        QString reason;
    } cases[] = {
        {"another format version",
         [](const QString& path) {
             TXMLProject p(path);
             p.SetAttribute("soft/", "version", "1");
             p.Save(true);
         },
         "no es un proyecto de la versión 2"},
        {"not parsing", [this](const QString&) { WriteFile("anterior/proyecto.xml", "<import>"); },
         "no es un XML válido"},
        {"package without the project",
         [project](const QString& path) {
             WriteZip(path + ".zip", {{"otro.xml", project}});
         },
         "no contiene \"proyecto.xml\""},
        {"zip bomb",
         [project](const QString& path) {
             WriteZip(path + ".zip",
                      {{"proyecto.xml", project + QByteArray(20 * 1024 * 1024, ' ')}});
         },
         "se expande más de 100 veces"},
        {"zip slip",
         [project](const QString& path) {
             WriteZip(path + ".zip", {{"proyecto.xml", project}, {"../../fuera.txt", "x"}});
         },
         "apunta fuera de su carpeta"},
    };
    OpenActive();
    const QByteArray before = Exists(kProyecto) ? ReadFile(kProyecto) : QByteArray();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NewDialogs();
        WriteFile("anterior/proyecto.xml", project);
        c.write(Earlier());
        const QString path = QFile::exists(Earlier() + ".zip") ? Earlier() + ".zip" : Earlier();
        Import(path, {});
        QFile::remove(Earlier() + ".zip");
        ASSERT_EQ(Dialogs().Texts(TClase::Error).size(), 1);
        EXPECT_TRUE(Dialogs().Texts(TClase::Error).first().contains(c.reason))
            << Dialogs().Texts(TClase::Error).first().toStdString();
        EXPECT_TRUE(Dialogs().OfferedItems().isEmpty());
        EXPECT_EQ(Exists(kProyecto) ? ReadFile(kProyecto) : QByteArray(), before);
        EXPECT_TRUE(Find<QLineEdit>("benSiglasEdit")->text().isEmpty());
    }
}

} // namespace
