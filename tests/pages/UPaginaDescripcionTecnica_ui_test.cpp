// The page "Descripción Técnica": the attached name shown, stored and restored; attaching and
// replacing the file, where the current copy is never lost; opening the copy.
#include "ui_support/UPruebaEnvio.h"

#include "document/UCarpetaTrabajo.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <functional>

namespace {

using TClase = TDialogoMostrado::TClase;

const QString kProyecto = QStringLiteral("proyecto.xml");
const QString kPregunta = QStringLiteral("¿Desea eliminar la descripción técnica actual?.");

QByteArray Project(const QByteArray& body) {
    return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<import><soft version=\"2\"/>" +
           body + "</import>\r\n";
}

class DescripcionTecnicaTest : public TPruebaEnvio {
  protected:
    // A project whose attached file is "desc.pdf", with its copy in "desctec/".
    void OpenAttached() {
        NewDialogs();
        QDir(PathOf("desctec")).removeRecursively();
        WriteFile(kProyecto, Project("<descripcionTecnica file=\"desc.pdf\"/>"));
        ASSERT_TRUE(QDir().mkpath(PathOf("desctec")));
        WriteFile("desctec/desc.pdf", "copia actual");
        Open();
        ClickToolButton("descripcionTecnicaToolButton");
    }
    // A file to choose, outside the working folder's "desctec/".
    QString Source(const QString& name, const QByteArray& content) {
        EXPECT_TRUE(QDir().mkpath(PathOf("origen")));
        WriteFile("origen/" + name, content);
        return PathOf("origen/" + name);
    }
    void ClickSeleccionar() { ClickWidget(Find<QPushButton>("Button4")); }
    QString Shown() { return Find<QLabel>("descripcionTecnicaLabel")->text(); }
    QColor ShownColour() {
        return Find<QLabel>("descripcionTecnicaLabel")->palette().color(QPalette::WindowText);
    }
    bool OpenEnabled() { return Find<QPushButton>("Button6")->isEnabled(); }
    QStringList Copies() { return QDir(PathOf("desctec")).entryList(QDir::Files, QDir::Name); }
    void Save() {
        ClickToolButton("GuardarToolButton");
        EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList());
    }
};

TEST_F(DescripcionTecnicaTest, StartsWithNothingAttached) {
    Open();
    EXPECT_EQ(Find<QGroupBox>("descripcionTecnicaGroupBox")->title(), "Descripción Técnica");
    EXPECT_EQ(Find<QLabel>("Label103")->text(), "Archivo seleccionado:");
    EXPECT_EQ(Shown(), "Ninguno");
    EXPECT_EQ(ShownColour(), QColor(Qt::red));
    EXPECT_EQ(Find<QPushButton>("Button6")->text(), "Abrir Descripción Técnica");
    EXPECT_FALSE(OpenEnabled());
    EXPECT_EQ(Find<QPushButton>("Button4")->text(), "Seleccionar Descripción Técnica");
    EXPECT_TRUE(Find<QPushButton>("Button4")->isEnabled());
}

// A stored name shows only while its copy exists, and the next save stores what is shown.
TEST_F(DescripcionTecnicaTest, LoadShowsTheStoredNameWhileItsCopyExists) {
    const struct {
        const char* name;
        QByteArray element;
        const char* copy; // written into "desctec/" before the load; "" for none
        QString shown;
        QString saved;
    } cases[] = {
        {"copy present", "<descripcionTecnica file=\"desc.pdf\"/>", "desc.pdf", "desc.pdf",
         "desc.pdf"},
        {"copy gone", "<descripcionTecnica file=\"desc.pdf\"/>", "", "Ninguno", ""},
        {"other file only", "<descripcionTecnica file=\"desc.pdf\"/>", "otro.pdf", "Ninguno", ""},
        {"empty name", "<descripcionTecnica file=\"\"/>", "desc.pdf", "Ninguno", ""},
        {"never attached", "", "desc.pdf", "Ninguno", "<none>"},
        {"name with a folder", "<descripcionTecnica file=\"../proyecto.xml\"/>", "x", "Ninguno",
         ""},
        {"a file called Ninguno", "<descripcionTecnica file=\"Ninguno\"/>", "Ninguno", "Ninguno",
         "Ninguno"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NewDialogs();
        QDir(PathOf("desctec")).removeRecursively();
        if (*c.copy) {
            ASSERT_TRUE(QDir().mkpath(PathOf("desctec")));
            WriteFile(QStringLiteral("desctec/") + c.copy, "contenido");
        }
        WriteFile(kProyecto, Project(c.element));
        Open();
        const bool attached = !c.saved.isEmpty() && c.saved != "<none>";
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_EQ(ShownColour(), attached ? QColor(Qt::darkGreen) : QColor(Qt::red));
        EXPECT_EQ(OpenEnabled(), attached);
        Save();
        EXPECT_EQ(StoredAttribute("descripcionTecnica/", "file"), c.saved);
    }
}

// The first file is attached without a question; only the next save stores its name.
TEST_F(DescripcionTecnicaTest, AttachingCopiesTheFileAtOnce) {
    WriteFile(kProyecto, Project(""));
    Open();
    ClickToolButton("descripcionTecnicaToolButton");
    const QByteArray stored = ReadFile(kProyecto);
    Dialogs().AnswerPath(Source("plan técnico.odt", "el plan"));
    ClickSeleccionar();

    EXPECT_EQ(Dialogs().Texts(TClase::Mensaje), QStringList());
    EXPECT_EQ(Dialogs().Texts(TClase::Archivo).size(), 1);
    EXPECT_EQ(Copies(), QStringList{"plan técnico.odt"});
    EXPECT_EQ(ReadFile("desctec/plan técnico.odt"), "el plan");
    EXPECT_EQ(Shown(), "plan técnico.odt");
    EXPECT_EQ(ShownColour(), QColor(Qt::darkGreen));
    EXPECT_TRUE(OpenEnabled());
    EXPECT_TRUE(Exists("origen/plan técnico.odt")) << "the chosen file stays where it was";
    EXPECT_EQ(ReadFile(kProyecto), stored);

    Save();
    EXPECT_EQ(StoredAttribute("descripcionTecnica/", "file"), "plan técnico.odt");
}

// Replacing asks first; the old copy goes only once the new one is in, and a copy that fails
// is reported and keeps the current attachment.
TEST_F(DescripcionTecnicaTest, ReplacingNeverLosesTheCurrentCopy) {
    const auto choose = [this](const QString& name, const QByteArray& content) {
        return [this, name, content] { return Source(name, content); };
    };
    const struct {
        const char* name;
        TBotonDialogo answer;
        std::function<QString()> chosen; // empty: no file chooser expected
        QStringList copies;
        QString shown;
        QByteArray descContent; // content of "desctec/desc.pdf" when it is expected there
        QString error = {};
    } cases[] = {
        {"question cancelled",
         TBotonDialogo::Cancelar,
         {},
         {"desc.pdf"},
         "desc.pdf",
         "copia actual"},
        {"chooser cancelled",
         TBotonDialogo::Aceptar,
         [] { return QString(); },
         {"desc.pdf"},
         "desc.pdf",
         "copia actual"},
        {"another file",
         TBotonDialogo::Aceptar,
         choose("nuevo.doc", "nuevo"),
         {"nuevo.doc"},
         "nuevo.doc",
         ""},
        {"a file of the same name",
         TBotonDialogo::Aceptar,
         choose("desc.pdf", "otra versión"),
         {"desc.pdf"},
         "desc.pdf",
         "otra versión"},
        {"the attached copy itself",
         TBotonDialogo::Aceptar,
         [this] { return PathOf("desctec/desc.pdf"); },
         {"desc.pdf"},
         "desc.pdf",
         "copia actual"},
        {"a file that vanished",
         TBotonDialogo::Aceptar,
         [this] { return PathOf("origen/borrado.doc"); },
         {"desc.pdf"},
         "desc.pdf",
         "copia actual",
         "No se pudo adjuntar el archivo \"borrado.doc\"; la descripción técnica no se "
         "modificó."},
        {"a copy that cannot be written",
         TBotonDialogo::Aceptar,
         [this] {
             // A folder in the way of the copy.
             QDir().mkpath(PathOf("desctec/bloqueado.doc"));
             WriteFile("desctec/bloqueado.doc/dentro", "x");
             return Source("bloqueado.doc", "nuevo");
         },
         {"desc.pdf"},
         "desc.pdf",
         "copia actual",
         "No se pudo adjuntar el archivo \"bloqueado.doc\"; la descripción técnica no se "
         "modificó."},
    // Names that Windows, where the agency opens the package, reads differently. On
    // Windows no file can be named so, so none can be chosen.
#ifndef Q_OS_WIN
        {"a name with a backslash",
         TBotonDialogo::Aceptar,
         choose("..\\..\\evil.pdf", "malo"),
         {"desc.pdf"},
         "desc.pdf",
         "copia actual",
         "No se pudo adjuntar el archivo \"..\\..\\evil.pdf\"; el nombre no puede contener los "
         "caracteres \\ / : * ? \" < > | ni caracteres de control."},
        {"a reserved device name",
         TBotonDialogo::Aceptar,
         choose("aux.pdf", "malo"),
         {"desc.pdf"},
         "desc.pdf",
         "copia actual",
         "No se pudo adjuntar el archivo \"aux.pdf\"; \"aux\" es un nombre reservado de Windows."},
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenAttached();
        const QByteArray stored = ReadFile(kProyecto);
        Dialogs().Answer(c.answer);
        if (c.chosen)
            Dialogs().AnswerPath(c.chosen());
        ClickSeleccionar();

        ASSERT_GE(Dialogs().Shown().size(), 1u);
        const TDialogoMostrado& question = Dialogs().Shown().front();
        EXPECT_EQ(question.text, kPregunta);
        EXPECT_EQ(question.title, "Confirmación");
        EXPECT_EQ(question.kind, TTipoDialogo::Confirmacion);
        EXPECT_EQ(question.captions, (QStringList{"Aceptar", "Cancelar"}));
        EXPECT_EQ(question.buttons, TBotonDialogo::Aceptar | TBotonDialogo::Cancelar);
        EXPECT_EQ(Dialogs().Texts(TClase::Archivo).size(), c.chosen ? 1 : 0);
        EXPECT_EQ(Dialogs().Texts(TClase::Error),
                  c.error.isEmpty() ? QStringList() : QStringList{c.error});
        EXPECT_EQ(Copies(), c.copies);
        if (!c.descContent.isEmpty()) {
            EXPECT_EQ(ReadFile("desctec/desc.pdf"), c.descContent);
        }
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_TRUE(OpenEnabled());
        EXPECT_EQ(ReadFile(kProyecto), stored) << "the name is stored by the next save only";
    }
}

TEST_F(DescripcionTecnicaTest, AbrirOpensTheAttachedCopy) {
    OpenAttached();
    ClickWidget(Find<QPushButton>("Button6"));
    EXPECT_EQ(Opened(),
              (std::vector<TApertura>{{QString(), WorkingFolder() + "desctec/desc.pdf"}}));
    EXPECT_TRUE(Dialogs().Shown().empty());
}

} // namespace
