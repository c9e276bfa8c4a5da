// No work lost to a crash, and one program per folder: the recovery copy written when a
// section is left, offered at the next start and recovered or kept aside; the folder lock held
// by a running program and taken over from one that was killed.
#include "ui_support/UInstalacionMuestra.h"
#include "ui_support/UPruebaGrupos.h"
#include "ui_support/UTeclado.h"

#include "document/UBloqueoCarpeta.h"
#include "document/URecuperacion.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

using TClase = TDialogoMostrado::TClase;

const QString kProyecto = QStringLiteral("proyecto.xml");
const QString kCopia = QStringLiteral("proyecto.recuperacion.xml");

class RecuperacionTest : public TPruebaGrupos {
  protected:
    void SetUp() override {
        TPruebaGrupos::SetUp();
        ASSERT_TRUE(CopySampleInstallation(PathOf(QString())));
    }
    void TypeTitle(const QString& text) {
        ClickSection(1);
        auto* titulo = Find<QLineEdit>("tituloEdit");
        ClickWidget(titulo);
        TypeText(titulo, text);
    }
    QStringList SetAside() {
        return QDir(PathOf(QString()))
            .entryList({QStringLiteral("proyecto.recuperacion-*.xml")}, QDir::Files);
    }
};

// Leaving a section with edits pending writes the copy and nothing else; after a crash the next
// start offers it: "Si" brings the edits back unsaved, with the persons stored since; "No"
// keeps the copy aside under a dated name.
TEST_F(RecuperacionTest, ACrashLosesNoEdit) {
    for (const bool recover : {true, false}) {
        SCOPED_TRACE(recover ? "recovered" : "declined");
        NewDialogs();
        QFile::remove(PathOf(kProyecto));
        QFile::remove(PathOf(kProyecto + ".bak"));
        for (const QString& aside : SetAside())
            QFile::remove(PathOf(aside));
        OpenActive();
        TypeTitle("Primera versión");
        ClickToolButton("GuardarToolButton");
        ClickToolButton("GuardarToolButton");
        const QByteArray stored = ReadFile(kProyecto);
        const QByteArray backup = ReadFile(kProyecto + ".bak");
        EXPECT_FALSE(Exists(kCopia)) << "a store leaves no copy";

        TypeTitle(" revisada");
        ClickSection(2);
        ASSERT_TRUE(Exists(kCopia));
        EXPECT_EQ(ReadFile(kProyecto), stored);
        EXPECT_EQ(ReadFile(kProyecto + ".bak"), backup);
        // A person stored afterwards goes into the project; the copy stays the newer file.
        ShowColaboradores();
        AddPerson(Requeridos(ValidCuil(20777888), "Estudiante", "Gael", "Gómez"));

        Crash();
        NewDialogs();
        Dialogs().Answer(recover ? TBotonDialogo::Si : TBotonDialogo::No);
        OpenActive();
        ASSERT_EQ(Dialogs().Texts(TClase::Mensaje).size(), 1);
        EXPECT_EQ(Dialogs().Shown().front().defaultButton, TBotonDialogo::Si);
        EXPECT_EQ(GridRows("grupoColaboradorStringGrid").size(), 1);
        if (recover) {
            EXPECT_EQ(Find<QLineEdit>("tituloEdit")->text(), "Primera versión revisada");
            EXPECT_FALSE(Form().IsVerified());
            EXPECT_TRUE(SetAside().isEmpty());
            ClickToolButton("GuardarToolButton");
            EXPECT_EQ(StoredText("project/document/properties/title/"), "Primera versión revisada");
            EXPECT_FALSE(Exists(kCopia));
        } else {
            EXPECT_EQ(Find<QLineEdit>("tituloEdit")->text(), "Primera versión");
            EXPECT_FALSE(Exists(kCopia));
            ASSERT_EQ(SetAside().size(), 1);
            EXPECT_TRUE(ReadFile(SetAside().first()).contains("revisada"));
        }
        // A normal close removes the copy; the next start asks nothing.
        TypeTitle("!");
        ClickSection(2);
        ASSERT_TRUE(Exists(kCopia));
        Dialogs().Answer(TBotonDialogo::No);
        EXPECT_TRUE(Form().close());
        EXPECT_FALSE(Exists(kCopia));
    }
}

// A running program holds its folder: another start is refused naming it. Once that program is
// killed its lock is stale and taken over without a question.
TEST(BloqueoCarpetaTest, HeldByARunningProgramAndTakenOverFromAKilledOne) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(CopySampleInstallation(dir.path()));
    // The copy keeps the program's own file name ("velorn.exe" on Windows).
    const QString copy = dir.filePath(QFileInfo(QStringLiteral(VELORN_EXE)).fileName());
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELORN_EXE), copy));
    QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.start(copy, {});
    ASSERT_TRUE(program.waitForStarted(10000));
    // The program creates the lock and then writes who it is: wait for both.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            qint64 pid = 0;
            QString host;
            QString app;
            return QLockFile(dir.filePath(TBloqueoCarpeta::NombreArchivo()))
                       .getLockInfo(&pid, &host, &app) &&
                   pid == program.processId();
        },
        10000));

    {
        TBloqueoCarpeta second(dir.path());
        EXPECT_FALSE(second.Tomar());
        EXPECT_TRUE(second.MensajeOcupada().contains(QString::number(program.processId())))
            << second.MensajeOcupada().toStdString();
    }
    program.kill();
    ASSERT_TRUE(program.waitForFinished(10000));
    ASSERT_TRUE(QFile::exists(dir.filePath(TBloqueoCarpeta::NombreArchivo())));
    TBloqueoCarpeta after(dir.path());
    EXPECT_TRUE(after.Tomar());
    // Within one program a second holder is refused alike.
    TBloqueoCarpeta again(dir.path());
    EXPECT_FALSE(again.Tomar());
    EXPECT_FALSE(QFile::exists(dir.filePath(kProyecto))) << "no file touched";
}

} // namespace
