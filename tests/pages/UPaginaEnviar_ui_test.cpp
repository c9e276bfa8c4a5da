// The page "Enviar el proyecto": its states, the choice of the destination folder, the
// package written and read back, every question and message of the command, and the
// destination folder opened.
#include "package/ZipLeido.h"
#include "ui_support/UPruebaEnvio.h"

#include "document/UCarpetaTrabajo.h"
#include "pages/UPaginaEnviar.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

#include <functional>

namespace {

using TClase = TDialogoMostrado::TClase;

const QString kProyecto = QStringLiteral("proyecto.xml");
const QString kPaquete = QStringLiteral("12345678.zip");
const QString kCreado =
    QStringLiteral("Se ha creado el archivo \"12345678.zip\" en el lugar especificado.");
const QString kFallo = QStringLiteral("Ha ocurrido un error al enviar el proyecto. Verifique que "
                                      "UD. tiene permiso de escritura en la carpeta de destino.");
const QString kExiste = QStringLiteral(
    "Ya existe el archivo \"12345678.zip\" en el lugar especificado. ¿Desea sobreescribirlo?");
const QString kNoEliminado =
    QStringLiteral("No se pudo eliminar el archivo \"12345678.zip\" en el lugar especificado.");

class EnviarTest : public TPruebaEnvio {
  protected:
    // The destination folder, made when asked to.
    QString Destino(bool make = true) {
        if (make) {
            EXPECT_TRUE(QDir().mkpath(PathOf("destino")));
        }
        return PathOf("destino") + QLatin1Char('/');
    }
    QString Paquete() { return Destino(false) + kPaquete; }

    // A verified project sending to the destination folder, on the send page.
    void OpenVerified() {
        NewDialogs();
        WriteCompleteProject(true, Destino());
        Open();
        ClickToolButton("ExportarToolButton");
    }
    void Send() { ClickWidget(Find<QPushButton>("enviarProyectoButton")); }
    QString Folder() { return Find<QLineEdit>("exportarFolderEdit")->text(); }
    // The buttons' own state, apart from the frame's.
    bool SendEnabled() { return EnabledInFrame("enviarProyectoButton"); }
    bool OpenEnabled() { return EnabledInFrame("abrirExportarFolderButton"); }
    bool EnabledInFrame(const char* name) {
        return Find<QPushButton>(name)->isEnabledTo(Find<QGroupBox>("exportarGroupBox"));
    }
};

TEST_F(EnviarTest, ControlsFollowTheVerifiedStateAndTheFolder) {
    const struct {
        const char* name;
        bool verified;
        bool folderExists;
    } cases[] = {
        {"verified, folder exists", true, true},
        {"verified, folder missing", true, false},
        {"not verified", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NewDialogs();
        QDir(PathOf("destino")).removeRecursively();
        WriteCompleteProject(c.verified, Destino(c.folderExists));
        Open();
        auto* group = Find<QGroupBox>("exportarGroupBox");
        auto* warning = Find<QLabel>("exportarErrorLabel");
        EXPECT_EQ(group->isEnabled(), c.verified);
        EXPECT_EQ(warning->isHidden(), c.verified);
        EXPECT_EQ(Folder(), Destino(false));
        EXPECT_EQ(SendEnabled(), c.folderExists);
        EXPECT_EQ(OpenEnabled(), c.folderExists);
        EXPECT_EQ(Find<QPushButton>("enviarProyectoButton")->isEnabled(),
                  c.verified && c.folderExists);
        EXPECT_TRUE(Dialogs().Shown().empty());
    }
    const struct {
        const char* name;
        const char* caption;
    } buttons[] = {
        {"Button7", "Examinar"},
        {"abrirExportarFolderButton", "Abrir destino"},
        {"enviarProyectoButton", "Enviar el proyecto"},
    };
    for (const auto& b : buttons) {
        auto* button = Find<QPushButton>(b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), b.caption);
        EXPECT_TRUE(Find<QGroupBox>("exportarGroupBox")->isAncestorOf(button));
    }
}

// The chosen folder always ends with the separator; choosing neither saves nor changes the
// verified state, and the buttons follow the folder's existence.
TEST_F(EnviarTest, ExaminarChoosesTheFolder) {
    ASSERT_TRUE(QDir().mkpath(PathOf("elegida")));
    const struct {
        const char* name;
        QString chosen;
        QString shown; // empty: the loaded folder stays
        bool enabled;
    } cases[] = {
        {"folder without separator", PathOf("elegida"), PathOf("elegida/"), true},
        {"folder with separator", PathOf("elegida/"), PathOf("elegida/"), true},
        {"folder gone meanwhile", PathOf("falta"), PathOf("falta/"), false},
        {"cancelled", QString(), QString(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NewDialogs();
        // A stored folder that no longer exists: both buttons start disabled.
        WriteCompleteProject(true, PathOf("borrada/"));
        const QByteArray stored = ReadFile(kProyecto);
        Open();
        ClickToolButton("ExportarToolButton");
        ASSERT_FALSE(SendEnabled());
        Dialogs().AnswerPath(c.chosen);
        ClickWidget(Find<QPushButton>("Button7"));

        EXPECT_EQ(Dialogs().Texts(TClase::Carpeta), QStringList{"Seleccione una carpeta"});
        EXPECT_EQ(Dialogs().Shown().size(), 1u);
        EXPECT_EQ(Folder(), c.shown.isEmpty() ? PathOf("borrada/") : c.shown);
        EXPECT_EQ(SendEnabled(), c.enabled);
        EXPECT_EQ(OpenEnabled(), c.enabled);
        EXPECT_TRUE(Form().IsVerified());
        EXPECT_EQ(ReadFile(kProyecto), stored);
    }
}

// The package holds "proyecto.xml" as stored and the technical description, both deflated;
// the command itself stores nothing.
TEST_F(EnviarTest, SendWritesThePackage) {
    OpenVerified();
    const QByteArray stored = ReadFile(kProyecto);
    Send();

    EXPECT_EQ(Dialogs().Texts(TClase::Informacion), QStringList{kCreado});
    EXPECT_EQ(Dialogs().Shown().size(), 1u);
    const UnzippedArchive archive = Unzip(Paquete());
    ASSERT_TRUE(archive.opened);
    ASSERT_EQ(archive.entries.size(), 2u);
    const struct {
        QByteArray name;
        QByteArray content;
    } expected[] = {
        {"proyecto.xml", stored},
        {"desctec/desc.pdf", ReadFile("desctec/desc.pdf")},
    };
    for (std::size_t i = 0; i < archive.entries.size(); ++i) {
        const UnzippedEntry& entry = archive.entries[i];
        SCOPED_TRACE(entry.name.toStdString());
        EXPECT_EQ(entry.name, expected[i].name);
        EXPECT_EQ(entry.info.compression_method, 8u);
        EXPECT_EQ(entry.closeResult, UNZ_OK);
        EXPECT_EQ(entry.content, expected[i].content);
    }
    EXPECT_EQ(ReadFile(kProyecto), stored);
    EXPECT_TRUE(Form().IsVerified());
}

TEST_F(EnviarTest, ExistingPackageIsReplacedOnlyWhenAccepted) {
    const struct {
        TBotonDialogo answer;
        bool replaced;
    } cases[] = {{TBotonDialogo::Cancelar, false}, {TBotonDialogo::Aceptar, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.replaced ? "Aceptar" : "Cancelar");
        OpenVerified();
        WriteFile("destino/" + kPaquete, "paquete anterior");
        Dialogs().Answer(c.answer);
        Send();

        ASSERT_GE(Dialogs().Shown().size(), 1u);
        const TDialogoMostrado& question = Dialogs().Shown().front();
        EXPECT_EQ(question.clase, TClase::Mensaje);
        EXPECT_EQ(question.text, kExiste);
        EXPECT_EQ(question.title, "Ya existe el archivo");
        EXPECT_EQ(question.kind, TTipoDialogo::Confirmacion);
        EXPECT_EQ(question.captions, (QStringList{"Aceptar", "Cancelar"}));
        EXPECT_EQ(question.buttons, TBotonDialogo::Aceptar | TBotonDialogo::Cancelar);
        if (c.replaced) {
            EXPECT_EQ(Dialogs().Texts(TClase::Informacion), QStringList{kCreado});
            EXPECT_EQ(Unzip(Paquete()).entries.size(), 2u);
        } else {
            EXPECT_EQ(Dialogs().Shown().size(), 1u) << "no message after Cancelar";
            EXPECT_EQ(ReadFile("destino/" + kPaquete), "paquete anterior");
        }
    }
}

TEST_F(EnviarTest, PackageThatCannotBeDeletedIsReported) {
    OpenVerified();
    // A folder of the package's name cannot be removed as a file.
    ASSERT_TRUE(QDir().mkpath(PathOf("destino/" + kPaquete)));
    WriteFile("destino/" + kPaquete + "/dentro", "x");
    Dialogs().Answer(TBotonDialogo::Aceptar);
    Send();

    EXPECT_EQ(Dialogs().Texts(TClase::Mensaje), QStringList{kExiste});
    EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList{kNoEliminado});
    EXPECT_EQ(Dialogs().Shown().size(), 2u);
    EXPECT_TRUE(Exists("destino/" + kPaquete + "/dentro"));
}

// Every failure gives the same message, and no package is left that could pass for a
// complete one.
TEST_F(EnviarTest, FailuresAreReportedAndLeaveNoPackage) {
    const auto removeDestino = [this] { QDir(PathOf("destino")).removeRecursively(); };
    const auto removeAttachment = [this] { QFile::remove(PathOf("desctec/desc.pdf")); };
    const struct {
        const char* name;
        std::function<void()> beforeOpen;
        std::function<void()> afterOpen;
        bool oldPackage = false;
    } cases[] = {
        {"destination folder gone", {}, removeDestino},
        {"destination's parent is a file",
         {},
         [&] {
             removeDestino();
             WriteFile("destino", "un archivo, no una carpeta");
         }},
        {"attached copy deleted after the load", {}, removeAttachment},
        {"nothing attached", removeAttachment, {}},
        {"attachment missing, old package accepted", {}, removeAttachment, true},
        {"project file gone", {}, [this] { QFile::remove(PathOf(kProyecto)); }},
        {"project file does not parse", {}, [this] { WriteFile(kProyecto, "<import><soft"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NewDialogs();
        QDir(PathOf("destino")).removeRecursively();
        QFile::remove(PathOf("destino"));
        WriteCompleteProject(true, Destino());
        if (c.beforeOpen)
            c.beforeOpen();
        Open();
        ClickToolButton("ExportarToolButton");
        ASSERT_TRUE(SendEnabled());
        if (c.afterOpen)
            c.afterOpen();
        if (c.oldPackage) {
            WriteFile("destino/" + kPaquete, "paquete anterior");
            Dialogs().Answer(TBotonDialogo::Aceptar);
        }
        Send();

        EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList{kFallo});
        EXPECT_EQ(Dialogs().Texts(TClase::Informacion), QStringList());
        EXPECT_FALSE(QFile::exists(Paquete()));
    }
}

// The window waits behind a window-modal progress bar while a package is written; here the
// bar shows at once.
TEST_F(EnviarTest, WritingShowsAModalProgressBar) {
    WriteCompleteProject(true, Destino());
    QByteArray large(4 << 20, Qt::Uninitialized);
    QRandomGenerator random(7);
    random.fillRange(reinterpret_cast<quint32*>(large.data()), large.size() / 4);
    WriteFile("desctec/desc.pdf", large);
    Open();
    ClickToolButton("ExportarToolButton");
    Find<TPaginaEnviar>("exportarTab")->SetProgressDelay(0);

    struct {
        bool shown = false;
        Qt::WindowModality modality = Qt::NonModal;
        QWidget* parent = nullptr;
        QString label;
        bool packageThere = true;
        std::size_t dialogs = 1;
    } seen;
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        for (auto* progress : Form().findChildren<QProgressDialog*>()) {
            if (progress->isVisible() && !seen.shown) {
                seen.shown = true;
                seen.modality = progress->windowModality();
                seen.parent = progress->parentWidget();
                seen.label = progress->labelText();
                seen.packageThere = QFile::exists(Paquete());
                seen.dialogs = Dialogs().Shown().size();
            }
        }
    });
    watcher.start();
    Send();
    watcher.stop();

    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.modality, Qt::WindowModal);
    EXPECT_EQ(seen.parent, &Form());
    EXPECT_TRUE(seen.label.contains(kPaquete)) << seen.label.toStdString();
    EXPECT_FALSE(seen.packageThere) << "the package appears only when complete";
    EXPECT_EQ(seen.dialogs, 0u) << "no message while writing";
    for (auto* progress : Form().findChildren<QProgressDialog*>())
        EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(Dialogs().Texts(TClase::Informacion), QStringList{kCreado});
    const UnzippedArchive archive = Unzip(Paquete());
    ASSERT_EQ(archive.entries.size(), 2u);
    EXPECT_EQ(archive.entries[1].content, large);
}

TEST_F(EnviarTest, AbrirDestinoOpensTheFolder) {
    const struct {
        const char* name;
        const char* wrapper; // "": no wrapper.xml
        const char* program;
        QString expected; // empty: the default program
    } cases[] = {
        {"no wrapper.xml", "", "", QString()},
        {"program for the folder", "abrirdestino", "/usr/bin/explorador", "/usr/bin/explorador"},
        {"program for another purpose only", "caratula", "/usr/bin/navegador", QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(PathOf("wrapper.xml"));
        if (*c.wrapper)
            WriteWrapper(c.wrapper, c.program);
        OpenVerified();
        const std::size_t before = Opened().size();
        ClickWidget(Find<QPushButton>("abrirExportarFolderButton"));
        ASSERT_EQ(Opened().size(), before + 1);
        EXPECT_EQ(Opened().back(), (TApertura{c.expected, Destino(false)}));
        EXPECT_TRUE(Dialogs().Shown().empty());
    }
}

} // namespace
