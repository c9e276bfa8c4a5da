// Start-up, load and store of "proyecto.xml" through the main window.
#include "ui_support/UPruebaVentana.h"

#include "config/URegional.h"
#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"

#include <QApplication>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

using TClase = TDialogoMostrado::TClase;

const QString kProyecto = QStringLiteral("proyecto.xml");
const QString kBackup = QStringLiteral("proyecto.xml.bak");
const QString kGuardado = QStringLiteral("El estado del formulario ha sido guardado.");
const QString kErrorGuardando = QStringLiteral("Ocurrió un error guardando el formulario.");

QByteArray Project(const QByteArray& softVersion, const QByteArray& body) {
    return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<import>" + softVersion + body +
           "</import>\r\n";
}

QByteArray VersionTwo(const QByteArray& body) {
    return Project("<soft version=\"2\"/>", body);
}

// The error message the XML layer gives for the file.
QString ParserError(const QString& fileName) {
    try {
        TXMLProject project(fileName);
    } catch (const EVelornError& error) {
        return error.Message();
    }
    return QString();
}

class ProyectoTest : public TPruebaVentana {
  protected:
    bool ShowsVerified() {
        auto* group = Find<QGroupBox>("exportarGroupBox");
        auto* warning = Find<QLabel>("exportarErrorLabel");
        EXPECT_EQ(group->isEnabled(), warning->isHidden()) << "frame and warning disagree";
        return group->isEnabled();
    }
    QString DestinationFolder() { return Find<QLineEdit>("exportarFolderEdit")->text(); }
    QString Today() const { return QDate::currentDate().toString(Regional().ShortDateFormat()); }
};

TEST_F(ProyectoTest, StartWithoutProjectWritesNothingAndCannotSend) {
    Open();
    EXPECT_FALSE(Exists(kProyecto));
    EXPECT_FALSE(Exists(kBackup));
    EXPECT_EQ(DestinationFolder(), WorkingFolder());
    EXPECT_FALSE(ShowsVerified());
    EXPECT_FALSE(Form().IsVerified());
    EXPECT_TRUE(Dialogs().Shown().empty());
}

// Only the format version "2", exactly, is loaded; the start never touches the file.
TEST_F(ProyectoTest, OnlyFormatVersionTwoIsLoaded) {
    const struct {
        QByteArray soft;
        bool loads;
    } cases[] = {
        {"<soft version=\"2\"/>", true},
        {"<soft version=\"1\"/>", false},
        {"<soft version=\"\"/>", false},
        {"<soft version=\"2.0\"/>", false},
        {"<soft version=\" 2\"/>", false},
        {"<soft/>", false},
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.soft.toStdString());
        NewDialogs();
        const QByteArray content =
            Project(c.soft, "<exportarFolder file=\"/destino/\"/>"
                            "<project><document><isDraft value=\"1\"/></document></project>");
        WriteFile(kProyecto, content);
        Open();
        EXPECT_EQ(DestinationFolder(), c.loads ? QStringLiteral("/destino/") : WorkingFolder());
        EXPECT_EQ(ShowsVerified(), c.loads);
        EXPECT_EQ(ReadFile(kProyecto), content);
        EXPECT_FALSE(Exists(kBackup));
        EXPECT_TRUE(Dialogs().Shown().empty());
    }
}

TEST_F(ProyectoTest, FirstSaveOfAnOlderFileSetsVersionTwoAndKeepsTheRest) {
    const QByteArray old =
        Project("<soft version=\"1\" autor=\"otro programa\"/>",
                "<otro>dato</otro><gruporesponsable><persona>Ana</persona></gruporesponsable>"
                "<exportarFolder file=\"/viejo/\"/>");
    WriteFile(kProyecto, old);
    Open();
    ClickToolButton("GuardarToolButton");

    EXPECT_EQ(Dialogs().Texts(TClase::Informacion), QStringList{kGuardado});
    EXPECT_EQ(ReadFile(kBackup), old);
    EXPECT_EQ(StoredAttribute("soft/", "version"), "2");
    EXPECT_EQ(StoredAttribute("soft/", "autor"), "otro programa");
    EXPECT_EQ(StoredText("otro/"), "dato");
    EXPECT_EQ(StoredText("gruporesponsable/persona/"), "Ana");
    // The window showed the working folder, not the old file's folder, and that is stored.
    EXPECT_EQ(StoredAttribute("exportarFolder/", "file"), WorkingFolder());
    EXPECT_EQ(StoredAttribute("project/document/isDraft/", "value"), "0");
    EXPECT_EQ(StoredText("project/document/properties/fechaAlta/"), Today());
}

TEST_F(ProyectoTest, SavingTwiceWritesAgainAndRefreshesTheBackup) {
    Open();
    ClickToolButton("GuardarToolButton");
    ASSERT_TRUE(Exists(kProyecto));
    EXPECT_FALSE(Exists(kBackup)) << "no backup of a file that did not exist";
    const QByteArray first = ReadFile(kProyecto);
    // A marker shows whether the second save really copies the file.
    WriteFile(kProyecto, first + "\r\n");

    TriggerMenuItem("GuardarMenuItem");
    EXPECT_EQ(ReadFile(kBackup), first + "\r\n");
    EXPECT_EQ(ReadFile(kProyecto), first);
    EXPECT_EQ(Dialogs().Texts(TClase::Informacion), (QStringList{kGuardado, kGuardado}));
    EXPECT_TRUE(Dialogs().Texts(TClase::Error).isEmpty());
}

TEST_F(ProyectoTest, CtrlGSaves) {
    Open();
    QApplication::setActiveWindow(&Form());
    QTest::keyClick(&Form(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(Exists(kProyecto));
    EXPECT_EQ(Dialogs().Texts(TClase::Informacion), QStringList{kGuardado});
}

// The creation date is written once, in the regional short date format, and then kept.
TEST_F(ProyectoTest, CreationDateIsWrittenOnceInTheShortDateFormat) {
    const struct {
        QString format;
        QByteArray stored; // empty: no date yet
        QString expected;
    } cases[] = {
        {"dd/MM/yyyy", "", QDate::currentDate().toString("dd/MM/yyyy")},
        {"yyyy-MM-dd", "", QDate::currentDate().toString("yyyy-MM-dd")},
        {"d/M/yy", "", QDate::currentDate().toString("d/M/yyyy")},
        {"yyyy-MM-dd", "01/02/2003", "01/02/2003"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format.toStdString() + " " + c.stored.toStdString());
        SetRegional(std::make_unique<TConfiguracionRegionalFija>(QLatin1Char(','), c.format));
        WriteFile(kProyecto, VersionTwo("<project><document><properties><fechaAlta>" + c.stored +
                                        "</fechaAlta></properties></document></project>"));
        Open();
        TriggerMenuItem("GuardarMenuItem");
        EXPECT_EQ(StoredText("project/document/properties/fechaAlta/"), c.expected);
    }
}

// The stored flag sets the verified state; a value that is no number fails the load after
// everything before it was loaded.
TEST_F(ProyectoTest, VerifiedStateComesFromTheFileAndEverySaveClearsIt) {
    const struct {
        QByteArray isDraft;
        bool verified;
        bool fails;
    } cases[] = {
        {"<isDraft value=\"1\"/>", true, false},
        {"<isDraft value=\"0\"/>", false, false},
        {"<isDraft/>", false, false},
        {"", false, false},
        {"<isDraft value=\"si\"/>", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.isDraft.toStdString());
        NewDialogs();
        WriteFile(kProyecto, VersionTwo("<exportarFolder file=\"/destino/\"/><project><document>" +
                                        c.isDraft + "</document></project>"));
        Open();
        EXPECT_EQ(ShowsVerified(), c.verified);
        EXPECT_EQ(Form().IsVerified(), c.verified);
        EXPECT_EQ(DestinationFolder(), "/destino/");
        if (c.fails) {
            ASSERT_EQ(Dialogs().Texts(TClase::Error).size(), 1);
            EXPECT_TRUE(Dialogs().Texts(TClase::Error).first().contains("si"));
        } else {
            EXPECT_TRUE(Dialogs().Shown().empty());
        }

        // A flag that could not be read leaves the load incomplete: the store asks first.
        if (c.fails)
            Dialogs().Answer(TBotonDialogo::Si);
        ClickToolButton("GuardarToolButton");
        EXPECT_FALSE(ShowsVerified());
        EXPECT_EQ(StoredAttribute("project/document/isDraft/", "value"), "0");
    }
}

TEST_F(ProyectoTest, DestinationFolderIsLoadedAndStored) {
    const struct {
        QByteArray stored;
        QString shown;
        QString saved;
    } cases[] = {
        {"<exportarFolder file=\"/otra/carpeta/\"/>", "/otra/carpeta/", "/otra/carpeta/"},
        // Missing on load: empty; an empty folder leaves no attribute.
        {"", "", "<none>"},
        {"<exportarFolder/>", "", "<none>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        WriteFile(kProyecto, VersionTwo(c.stored));
        Open();
        EXPECT_EQ(DestinationFolder(), c.shown);
        TriggerMenuItem("GuardarMenuItem");
        EXPECT_EQ(StoredAttribute("exportarFolder/", "file"), c.saved);
    }
}

// A file that does not parse is reported, never repaired and never overwritten.
TEST_F(ProyectoTest, MalformedProjectIsReportedAndNeverOverwritten) {
    const QByteArray broken = "<import><soft version=\"2\"></import>";
    WriteFile(kProyecto, broken);
    const QString parserError = ParserError(PathOf(kProyecto));
    ASSERT_FALSE(parserError.isEmpty());

    Open();
    EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList{parserError});
    // Everything before the load took place.
    EXPECT_EQ(DestinationFolder(), WorkingFolder());
    EXPECT_FALSE(ShowsVerified());
    EXPECT_EQ(ReadFile(kProyecto), broken);

    // Even when the user agrees to replace it, the store fails and repairs nothing.
    Dialogs().Answer(TBotonDialogo::Si);
    ClickToolButton("GuardarToolButton");
    EXPECT_EQ(Dialogs().Texts(TClase::Error), (QStringList{parserError, kErrorGuardando}));
    EXPECT_TRUE(Dialogs().Texts(TClase::Informacion).isEmpty());

    // Saving on the way out fails with the parser's own text and the window stays.
    Dialogs().Answer(TBotonDialogo::Si);
    Dialogs().Answer(TBotonDialogo::Si);
    EXPECT_FALSE(Form().close());
    EXPECT_TRUE(Form().isVisible());
    EXPECT_EQ(Dialogs().Texts(TClase::Error).last(), parserError);

    Dialogs().Answer(TBotonDialogo::No);
    EXPECT_TRUE(Form().close());
    EXPECT_EQ(ReadFile(kProyecto), broken);
    EXPECT_FALSE(Exists(kBackup));
}

TEST_F(ProyectoTest, WelcomeTextComesFromTheConfiguration) {
    const struct {
        QByteArray config;
        QString memo;
    } cases[] = {
        {"<config><bienvenida>Bienvenidos al formulario.</bienvenida></config>",
         "Bienvenidos al formulario."},
        {"<config><bienvenida>L\xednea uno\r\nl\xednea dos</bienvenida></config>",
         "Línea uno\nlínea dos"},
        {"<config/>", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.config.toStdString());
        NewDialogs();
        WriteFile("config.xml", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n" + c.config);
        Open();
        EXPECT_EQ(Find<QPlainTextEdit>("bienvenidaMemo")->toPlainText(), c.memo);
        EXPECT_TRUE(Dialogs().Shown().empty());
    }
}

// A configuration that does not parse is reported with the parser's text; every other step
// of the start-up still runs, so the project is loaded all the same.
TEST_F(ProyectoTest, MalformedConfigurationIsReportedAndTheProjectStillLoads) {
    WriteFile("config.xml", "<config><bienvenida></config>");
    WriteFile(kProyecto, VersionTwo("<exportarFolder file=\"/destino/\"/><project><document>"
                                    "<isDraft value=\"1\"/></document></project>"));
    const QString parserError = ParserError(PathOf("config.xml"));
    ASSERT_FALSE(parserError.isEmpty());

    Open();
    EXPECT_TRUE(Form().isVisible());
    EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList{parserError});
    EXPECT_EQ(DestinationFolder(), "/destino/");
    EXPECT_TRUE(ShowsVerified());
    EXPECT_TRUE(Form().CargaIncompleta());
}

} // namespace
