// The command "Generar carátula": refused for a project not verified; otherwise the cover
// pages of the stored project are written once the command has returned and shown with the
// configured or the default program; pages that cannot be written are reported, not shown.
#include "ui_support/UPruebaEnvio.h"

#include "document/UCarpetaTrabajo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

namespace {

using TClase = TDialogoMostrado::TClase;

const QString kProyecto = QStringLiteral("proyecto.xml");
const QString kCaratula = QStringLiteral("caratula.htm");

class CaratulaTest : public TPruebaEnvio {
  protected:
    void OpenProject(bool verified) {
        NewDialogs();
        QFile::remove(PathOf(kCaratula));
        WriteCompleteProject(verified, WorkingFolder());
        Open();
    }
    // Runs whatever the window left queued.
    static void Settle() { QCoreApplication::processEvents(); }
    QString CoverPath() const { return WorkingFolder() + kCaratula; }
};

TEST_F(CaratulaTest, ProjectNotVerifiedIsRefused) {
    const struct {
        const char* name;
        bool project; // whether a project file is there at the start
        const char* command;
    } cases[] = {
        {"menu item, stored project not verified", true, "CaratulaMenuItem"},
        {"tool button, stored project not verified", true, "CaratulaToolButton"},
        {"no project at all", false, "CaratulaMenuItem"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenProject(false);
        if (!c.project) {
            QFile::remove(PathOf(kProyecto));
            Open();
        }
        WriteFile(kCaratula, "carátula anterior");
        const std::size_t opened = Opened().size();
        Dialogs().Answer(TBotonDialogo::Aceptar);
        if (QString::fromLatin1(c.command).endsWith("ToolButton"))
            ClickToolButton(c.command);
        else
            TriggerMenuItem(c.command);
        Settle();

        ASSERT_EQ(Dialogs().Shown().size(), 1u);
        const TDialogoMostrado& dialog = Dialogs().Shown().front();
        EXPECT_EQ(dialog.clase, TClase::Mensaje);
        EXPECT_EQ(dialog.text, "Verifique el proyecto antes de generar la carátula.");
        EXPECT_EQ(dialog.title, "Proyecto no verificado");
        EXPECT_EQ(dialog.kind, TTipoDialogo::Error);
        EXPECT_EQ(dialog.captions, QStringList{"Aceptar"});
        EXPECT_EQ(dialog.buttons, TBotonDialogo::Aceptar);
        EXPECT_EQ(ReadFile(kCaratula), "carátula anterior");
        EXPECT_EQ(Opened().size(), opened) << "nothing shown";
    }
}

// The pages are written after the command returns, from the stored file, and then shown with
// the program configured for "caratula" or else the default one.
TEST_F(CaratulaTest, VerifiedProjectIsWrittenAndShown) {
    const struct {
        const char* name;
        const char* wrapper; // "": no wrapper.xml
        const char* program;
        QString expected; // empty: the default program
    } cases[] = {
        {"no wrapper.xml", "", "", QString()},
        {"program for the cover pages", "caratula", "/usr/bin/navegador", "/usr/bin/navegador"},
        {"program for another purpose only", "abrirdestino", "/usr/bin/explorador", QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(PathOf("wrapper.xml"));
        if (*c.wrapper)
            WriteWrapper(c.wrapper, c.program);
        OpenProject(true);
        const QByteArray stored = ReadFile(kProyecto);
        // A title typed but not saved is not on the cover pages.
        auto* titulo = Find<QLineEdit>("tituloEdit");
        ASSERT_NE(titulo, nullptr);
        titulo->setText(QStringLiteral("Título sin guardar"));
        const std::size_t opened = Opened().size();

        TriggerMenuItem("CaratulaMenuItem");
        EXPECT_FALSE(Exists(kCaratula)) << "written only after the command returned";
        EXPECT_EQ(Opened().size(), opened);
        Settle();

        ASSERT_TRUE(Exists(kCaratula));
        const QByteArray cover = ReadFile(kCaratula);
        EXPECT_TRUE(cover.startsWith("<html><head><title>Car"));
        EXPECT_TRUE(cover.contains("Suelos del norte"));
        EXPECT_FALSE(cover.contains("sin guardar"));
        ASSERT_EQ(Opened().size(), opened + 1);
        EXPECT_EQ(Opened().back(), (TApertura{c.expected, CoverPath()}));
        EXPECT_TRUE(Dialogs().Shown().empty());
        EXPECT_EQ(ReadFile(kProyecto), stored) << "the project is only read";
        EXPECT_TRUE(Form().IsVerified());
    }
}

// Pages that cannot be written are reported and no viewer shows an older file; a stored
// project that does not parse is reported at once.
TEST_F(CaratulaTest, FailuresAreReportedAndNothingIsShown) {
    const struct {
        const char* name;
        const char* blocker; // written after the load, with its folder
        QByteArray content;
        QString errorContains;
    } cases[] = {
        {"a folder where the file goes", "caratula.htm/dentro", "x", kCaratula},
        {"stored project does not parse", "proyecto.xml", "<import><soft", QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenProject(true);
        QDir().mkpath(QFileInfo(PathOf(c.blocker)).path());
        WriteFile(c.blocker, c.content);
        const std::size_t opened = Opened().size();
        TriggerMenuItem("CaratulaMenuItem");
        Settle();

        const QStringList errors = Dialogs().Texts(TClase::Error);
        ASSERT_EQ(errors.size(), 1);
        EXPECT_FALSE(errors.front().isEmpty());
        EXPECT_TRUE(errors.front().contains(c.errorContains)) << errors.front().toStdString();
        EXPECT_EQ(Opened().size(), opened) << "nothing shown";
        QDir(PathOf(kCaratula)).removeRecursively();
    }
}

} // namespace
