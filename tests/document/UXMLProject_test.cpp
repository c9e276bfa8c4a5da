#include "document/UXMLProject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <random>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

class XMLProjectTest : public ::testing::Test {
  protected:
    QString Path(const QString& name = QStringLiteral("proyecto.xml")) const {
        return dir_.filePath(name);
    }
    QByteArray Read(const QString& name = QStringLiteral("proyecto.xml")) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Write(const QByteArray& bytes, const QString& name = QStringLiteral("proyecto.xml")) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    bool Exists(const QString& name) const { return QFile::exists(Path(name)); }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(XMLProjectTest, WritesDeclarationLatin1CrlfAndOwnLineCData) {
    TXMLProject doc(Path());
    doc.SetAttribute("soft/", "version", "2");
    doc.ForceAttribute("project/title/", "edit", "yes");
    doc.SetCData("project/title/", QStringLiteral("Título & <más>"));
    doc.SetText("project/fechaAlta/", "01/02/2026");
    doc.GetNode("project/vacio/");
    doc.ForceAttribute("project/area/", "code", "");
    doc.SetCData("project/area/text/", "");
    doc.Save(false);

    const QByteArray expected = QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                                           "<import>\r\n"
                                           "  <soft version=\"2\"/>\r\n"
                                           "  <project>\r\n"
                                           "    <title edit=\"yes\">\r\n"
                                           "      <![CDATA[T\xEDtulo & <m\xE1s>]]>\r\n"
                                           "    </title>\r\n"
                                           "    <fechaAlta>01/02/2026</fechaAlta>\r\n"
                                           "    <vacio/>\r\n"
                                           "    <area code=\"\">\r\n"
                                           "      <text>\r\n"
                                           "        <![CDATA[]]>\r\n"
                                           "      </text>\r\n"
                                           "    </area>\r\n"
                                           "  </project>\r\n"
                                           "</import>\r\n");
    EXPECT_EQ(Read(), expected);
}

TEST_F(XMLProjectTest, EscapesWhatLatin1AndCDataCannotHold) {
    struct Case {
        const char* name;
        QString value;
        QByteArray cdataLine;
        QByteArray textElement;
        QByteArray attribute;
    };
    const Case cases[] = {
        {"euro and curly quotes",
         QString::fromUtf8("\xE2\x82\xAC \xE2\x80\x9C"
                           "a"
                           "\xE2\x80\x9D"),
         "<![CDATA[]]>&#8364;<![CDATA[ ]]>&#8220;<![CDATA[a]]>&#8221;<![CDATA[]]>",
         "<v>&#8364; &#8220;a&#8221;</v>", "a=\"&#8364; &#8220;a&#8221;\""},
        {"end of a CDATA section", QStringLiteral("x]]>y"), "<![CDATA[x]]]]><![CDATA[>y]]>",
         "<v>x]]&gt;y</v>", "a=\"x]]&gt;y\""},
        {"carriage return", QStringLiteral("a\r\nb"), "<![CDATA[a]]>&#13;<![CDATA[\nb]]>",
         "<v>a&#13;\nb</v>", "a=\"a&#13;&#10;b\""},
        {"blanks alone", QStringLiteral(" \t"), "<![CDATA[ \t]]>", "<v>&#32;\t</v>", "a=\" &#9;\""},
        {"quotes and ampersand", QStringLiteral("\"x\" & 'y'"), "<![CDATA[\"x\" & 'y']]>",
         "<v>\"x\" &amp; 'y'</v>", "a=\"&quot;x&quot; &amp; 'y'\""},
        {"astral plane", QString::fromUtf8("\xF0\x9F\x98\x80"), "<![CDATA[]]>&#128512;<![CDATA[]]>",
         "<v>&#128512;</v>", "a=\"&#128512;\""},
    };
    for (const Case& c : cases) {
        TXMLProject cdata(Path("c.xml"));
        cdata.SetCData("v/", c.value);
        TXMLProject text(Path("t.xml"));
        text.SetText("v/", c.value);
        TXMLProject attribute(Path("a.xml"));
        attribute.SetAttribute("v/", "a", c.value);
        EXPECT_NE(cdata.Serialize().find(c.cdataLine.toStdString()), std::string::npos) << c.name;
        EXPECT_NE(text.Serialize().find(c.textElement.toStdString()), std::string::npos) << c.name;
        EXPECT_NE(attribute.Serialize().find(c.attribute.toStdString()), std::string::npos)
            << c.name;
    }
}

TEST_F(XMLProjectTest, RandomTextsReadBackExactly) {
    std::mt19937 random(20261208);
    auto randomCodePoint = [&]() -> char32_t {
        for (;;) {
            char32_t cp;
            switch (random() % 4) {
            case 0:
                cp = random() % 0x80;
                break;
            case 1:
                cp = 0x80 + random() % 0x180;
                break;
            case 2:
                cp = random() % 0x10000;
                break;
            default:
                cp = 0x10000 + random() % 0x100000;
                break;
            }
            const bool forbidden = (cp < 0x20 && cp != '\t' && cp != '\n' && cp != '\r') ||
                                   (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE || cp == 0xFFFF;
            if (!forbidden)
                return cp;
        }
    };
    std::vector<QString> values = {QString(),
                                   QStringLiteral("]]>"),
                                   QStringLiteral("\r\n"),
                                   QStringLiteral("]]]>>]]"),
                                   QStringLiteral(" "),
                                   QStringLiteral("\n lead and trail \n"),
                                   QStringLiteral("<![CDATA[x]]>")};
    for (int i = 0; i < 200; ++i) {
        std::u32string text;
        const int length = int(random() % 40);
        for (int k = 0; k < length; ++k)
            text += randomCodePoint();
        values.push_back(QString::fromStdU32String(text));
    }
    {
        TXMLProject doc(Path());
        for (size_t i = 0; i < values.size(); ++i) {
            const QString n = QString::number(i);
            doc.SetCData("cdata/v" + n + "/", values[i]);
            doc.SetText("text/v" + n + "/", values[i]);
            doc.SetAttribute("attr/v" + n + "/", "a", values[i]);
        }
        doc.Release();
    }
    TXMLProject doc(Path());
    for (size_t i = 0; i < values.size(); ++i) {
        const QString n = QString::number(i);
        const QString expectedText = values[i].isEmpty() ? QStringLiteral("<none>") : values[i];
        EXPECT_EQ(doc.GetText("cdata/v" + n + "/", "<none>"), expectedText) << i;
        EXPECT_EQ(doc.GetText("text/v" + n + "/", "<none>"), expectedText) << i;
        EXPECT_EQ(doc.GetAttribute("attr/v" + n + "/", "a", "<none>"),
                  values[i].isEmpty() ? QString("<none>") : values[i])
            << i;
        EXPECT_TRUE(doc.GetNode("cdata/v" + n + "/").HoldsText() || values[i].isEmpty()) << i;
    }
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(XMLProjectTest, CharactersXmlCannotCarryAreDroppedOrBecomeLineBreaks) {
    {
        TXMLProject doc(Path());
        doc.SetCData("a/", QString::fromUtf8("x\x01y\vz\f"));
        doc.SetText("b/", QString::fromUtf8("x\x01y\vz"));
        doc.Release();
    }
    TXMLProject doc(Path());
    EXPECT_EQ(doc.GetText("a/", ""), QStringLiteral("xy\nz\n"));
    EXPECT_EQ(doc.GetText("b/", ""), QStringLiteral("xy\nz"));
}

TEST_F(XMLProjectTest, ReadsTheDeclaredEncoding) {
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"latin1", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r><t>Espa\xF1ol \xE9</t></r>"},
        {"latin1 lower case", "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?><r><t>Espa\xF1ol "
                              "\xE9</t></r>"},
        {"utf8", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r><t>Espa\xC3\xB1ol \xC3\xA9</t></r>"},
        {"utf8 bom", "\xEF\xBB\xBF<?xml version=\"1.0\"?><r><t>Espa\xC3\xB1ol \xC3\xA9</t></r>"},
        {"no declaration", "<r><t>Espa\xC3\xB1ol \xC3\xA9</t></r>"},
        {"undeclared single bytes", "<r><t>Espa\xF1ol \xE9</t></r>"},
    };
    for (const Case& c : cases) {
        Write(c.bytes);
        TXMLProject doc(Path());
        EXPECT_EQ(doc.GetText("t/", ""), QStringLiteral("Español é")) << c.name;
    }
    Write("<?xml version=\"1.0\" encoding=\"windows-1252\"?><r><t>\x80 \x93x\x94</t></r>");
    TXMLProject doc(Path());
    EXPECT_EQ(doc.GetText("t/", ""), QString::fromUtf8("\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D"));
}

TEST_F(XMLProjectTest, TextAndCDataNodesOfOneElementAreOneValue) {
    Write("<r><a>one <![CDATA[two]]> three</a><b>\r\n  <![CDATA[x]]>\r\n  </b><c>plain</c></r>");
    TXMLProject doc(Path());
    EXPECT_EQ(doc.GetText("a/", "-"), QStringLiteral("one two three"));
    EXPECT_EQ(doc.GetText("b/", "-"), QStringLiteral("x"));
    EXPECT_TRUE(doc.GetNode("a/").HoldsText());
    EXPECT_FALSE(doc.GetNode("a/").HoldsPlainText());
    EXPECT_TRUE(doc.GetNode("c/").HoldsPlainText());
}

TEST_F(XMLProjectTest, GetTextYieldsDefaultForEmptyOrUnreadableContent) {
    Write("<r><elements><x/></elements><empty></empty><single/><cdata><![CDATA[]]></cdata>"
          "<ok>v</ok></r>");
    TXMLProject doc(Path());
    EXPECT_EQ(doc.GetText("elements/", "d"), QStringLiteral("d"));
    EXPECT_EQ(doc.GetText("empty/", "d"), QStringLiteral("d"));
    EXPECT_EQ(doc.GetText("single/", "d"), QStringLiteral("d"));
    EXPECT_EQ(doc.GetText("cdata/", "d"), QStringLiteral("d"));
    EXPECT_EQ(doc.GetText("ok/", "d"), QStringLiteral("v"));
    EXPECT_EQ(doc.GetText("missing/deeper/", "d"), QStringLiteral("d"));
    EXPECT_THROW(doc.GetNode("elements/").Text(), EXMLError);
    EXPECT_FALSE(doc.IsModified()) << "creating elements by reading does not modify";
}

TEST_F(XMLProjectTest, PathsReachTheFirstOfSameNamedSiblings) {
    Write("<r><p><a v=\"1\">first</a><a v=\"2\">second</a></p></r>");
    TXMLProject doc(Path());
    EXPECT_EQ(doc.GetText("p/a/", ""), QStringLiteral("first"));
    doc.SetText("p/a/", "changed");
    doc.SetAttribute("p/a/", "v", "9");
    EXPECT_EQ(doc.GetNode("p/").ChildCount(), 2);
    EXPECT_EQ(doc.GetNode("p/").Child(1).Text(), QStringLiteral("second"));
    EXPECT_EQ(doc.GetNode("").Name(), QStringLiteral("r")) << "the empty path is the root";
    doc.GetNode("p/new/");
    EXPECT_EQ(doc.GetNode("p/").Child(2).Name(), QStringLiteral("new")) << "appended last";
}

TEST_F(XMLProjectTest, AttributesPresentEmptyAndMissing) {
    Write("<r><e empty=\"\" n=\"12\" bad=\"1x\" blank=\"\"/></r>");
    TXMLProject doc(Path());
    EXPECT_EQ(doc.GetAttribute("e/", "empty", "d"), QString(""));
    EXPECT_EQ(doc.GetAttribute("e/", "missing", "d"), QStringLiteral("d"));
    EXPECT_EQ(doc.GetAttributeInt("e/", "n", 0), 12);
    EXPECT_EQ(doc.GetAttributeInt("e/", "missing", 7), 7);
    EXPECT_TRUE(doc.GetAttributeInt("e/", "missing", true));
    EXPECT_FALSE(doc.GetAttributeInt("e/", "n", true)) << "only 1 is true";
    EXPECT_THROW(doc.GetAttributeInt("e/", "bad", 0), EConvertError);
    EXPECT_THROW(doc.GetAttributeInt("e/", "blank", false), EConvertError);
}

TEST_F(XMLProjectTest, SettersAndTheModifiedFlag) {
    Write("<r><e a=\"x\"/></r>");
    TXMLProject doc(Path());
    EXPECT_FALSE(doc.IsModified());
    doc.SetAttribute("e/", "a", "x");
    EXPECT_FALSE(doc.IsModified()) << "same value";
    doc.SetAttribute("e/", "code", "");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.GetNode("e/").HasAttribute("code")) << "empty value creates nothing";
    doc.AppendText(doc.GetNode("e/"), "t");
    EXPECT_FALSE(doc.IsModified());
    doc.Save(false);
    EXPECT_FALSE(Exists("proyecto.xml.bak")) << "an unmodified save writes nothing";
    doc.ForceAttribute("e/", "code", "");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.GetNode("e/").HasAttribute("code"));
    doc.Save(false);
    EXPECT_FALSE(doc.IsModified());
    doc.SetAttributeInt("e/", "flag", true);
    EXPECT_EQ(doc.GetAttribute("e/", "flag", ""), QStringLiteral("1"));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(XMLProjectTest, FindChildByAttribute) {
    Write("<r><list><a id=\"1\"/><b/><c id=\"2\"/><d id=\"2\"/></list></r>");
    TXMLProject doc(Path());
    EXPECT_EQ(doc.FindChildByAttribute("list/", "id", "2").Name(), QStringLiteral("c"));
    EXPECT_EQ(doc.FindChildByAttribute("list/", "id", "").Name(), QStringLiteral("b"));
    EXPECT_TRUE(doc.FindChildByAttribute("list/", "id", "3").IsNull());
}

TEST_F(XMLProjectTest, NewDocumentsAndBackups) {
    {
        TXMLProject doc(Path());
        EXPECT_TRUE(doc.IsModified()) << "a document that did not exist";
        EXPECT_EQ(doc.GetText("a/b/", "d"), QStringLiteral("d"));
        doc.Save(true);
    }
    EXPECT_FALSE(Exists("proyecto.xml.bak"));
    const QByteArray first = Read();
    EXPECT_TRUE(first.contains("<a>\r\n    <b/>\r\n  </a>")) << first.constData();
    {
        TXMLProject doc(Path());
        doc.SetText("c/", "second");
        doc.Save(true);
        EXPECT_EQ(Read("proyecto.xml.bak"), first);
        const QByteArray second = Read();
        doc.Save(true);
        EXPECT_EQ(Read("proyecto.xml.bak"), second) << "one generation, refreshed by each save";
    }
}

TEST_F(XMLProjectTest, ReleaseWritesOnlyWhenModifiedAndDiscardNever) {
    {
        TXMLProject doc(Path());
        doc.Discard();
    }
    EXPECT_FALSE(Exists("proyecto.xml")) << "discarded, a missing file is not created";
    {
        TXMLProject doc(Path());
        doc.SetText("a/", "1");
    }
    EXPECT_FALSE(Exists("proyecto.xml")) << "destroyed without release: nothing written";
    {
        TXMLProject doc(Path());
        doc.Release();
    }
    EXPECT_TRUE(Exists("proyecto.xml")) << "a new document is written on release";
}

TEST_F(XMLProjectTest, MalformedFileRaisesWithPositionAndStaysUntouched) {
    const QByteArray broken = "<?xml version=\"1.0\"?>\r\n<r>\r\n  <a>\r\n</r>\r\n";
    Write(broken);
    try {
        TXMLProject doc(Path());
        FAIL() << "no error";
    } catch (const EXMLError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("línea 4"))) << e.what();
    }
    Write("");
    EXPECT_THROW(TXMLProject doc(Path()), EXMLError) << "an empty file does not parse";
    Write(broken);
    EXPECT_EQ(Read(), broken);
}

TEST_F(XMLProjectTest, FailedWriteRaisesAndKeepsTheOldFile) {
    TXMLProject nowhere(Path("missing-folder/proyecto.xml"));
    EXPECT_THROW(nowhere.Save(true), EXMLError);

#ifdef Q_OS_UNIX
    Write("<r><a>old</a></r>");
    // Runs as an ordinary user in a child process: root may write into any folder.
    EXPECT_EXIT(
        {
            chmod(QFile::encodeName(dir_.path()).constData(), 0555);
            if (geteuid() == 0 && setuid(65534) != 0)
                _exit(3);
            bool raised = false;
            try {
                TXMLProject doc(Path());
                doc.SetText("a/", "new");
                doc.Save(true);
            } catch (const EXMLError&) {
                raised = true;
            }
            _exit(raised && Read() == QByteArray("<r><a>old</a></r>") ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    chmod(QFile::encodeName(dir_.path()).constData(), 0700);
#endif
}

namespace {

// xmllint's verdict on a written file: empty when well-formed, else its complaint; null when
// xmllint is not installed.
std::optional<QString> XmllintComplaint(const QString& path) {
    if (QStandardPaths::findExecutable(QStringLiteral("xmllint")).isEmpty())
        return std::nullopt;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), path});
    process.waitForFinished(60000);
    const QString output = QString::fromUtf8(process.readAll());
    return process.exitCode() == 0 && output.isEmpty() ? QString() : output;
}

} // namespace

// Every value reads back as it was set, except for what XML cannot carry at all (NUL and the
// other control characters, vertical tab and form feed becoming line breaks).
TEST_F(XMLProjectTest, ValuesKeepEveryCharacterXmlCanCarry) {
    const QChar bom(0xFEFF);
    const QString nul(QChar(0));
    const struct {
        QString value;
        QString expected;
    } cases[] = {
        {QStringLiteral("antes") + nul + QStringLiteral("despu\u00E9s"),
         QStringLiteral("antesdespu\u00E9s")},
        {nul + QStringLiteral("x") + nul, QStringLiteral("x")},
        {QString(bom) + QStringLiteral("hola"), QString(bom) + QStringLiteral("hola")},
        {QString(bom), QString(bom)},
        {QString(bom) + bom + QStringLiteral(" "), QString(bom) + bom + QStringLiteral(" ")},
        {QStringLiteral("   "), QStringLiteral("   ")},
        {QStringLiteral("\t"), QStringLiteral("\t")},
        {QStringLiteral(" \n \t"), QStringLiteral(" \n \t")},
        {QStringLiteral("\r"), QStringLiteral("\r")},
        {QStringLiteral("\x01\t"), QStringLiteral("\t")},
        {QStringLiteral("\x01 \x02"), QStringLiteral(" ")},
        {QStringLiteral("\x1F\v"), QStringLiteral("\n")},
        {QStringLiteral("\f "), QStringLiteral("\n ")},
        {QString(QChar(0xFFFE)) + QStringLiteral(" "), QStringLiteral(" ")},
        {QStringLiteral(" ]]> "), QStringLiteral(" ]]> ")},
    };
    {
        TXMLProject doc(Path());
        int i = 0;
        for (const auto& c : cases) {
            const QString n = QString::number(i++);
            doc.SetText("text/v" + n + "/", c.value);
            doc.SetCData("cdata/v" + n + "/", c.value);
            doc.SetAttribute("attr/v" + n + "/", "a", c.value);
            doc.AppendText(doc.GetNode("appended/v" + n + "/"), c.value);
        }
        doc.Save(true);
    }
    const std::optional<QString> complaint = XmllintComplaint(Path());
    if (complaint) {
        EXPECT_EQ(*complaint, QString()) << "xmllint rejects the written file";
    }
    TXMLProject doc(Path());
    int i = 0;
    for (const auto& c : cases) {
        const QString n = QString::number(i++);
        SCOPED_TRACE(n.toStdString());
        EXPECT_EQ(doc.GetText("text/v" + n + "/", "<none>"), c.expected);
        EXPECT_EQ(doc.GetText("cdata/v" + n + "/", "<none>"), c.expected);
        EXPECT_EQ(doc.GetAttribute("attr/v" + n + "/", "a", "<none>"), c.expected);
        EXPECT_EQ(doc.GetText("appended/v" + n + "/", "<none>"), c.expected);
    }
    doc.Discard();
}

// Names reach the file only when they read back as themselves; ISO-8859-1 letters do.
TEST_F(XMLProjectTest, NamesThatWouldNotReadBackAreNeverWritten) {
    Write("<import><a>old</a></import>");
    {
        TXMLProject doc(Path());
        doc.SetText(QStringLiteral("a\u00F1o/"), QStringLiteral("2024"));
        doc.SetAttribute(QStringLiteral("a/"), QStringLiteral("\u00E1rea"), QStringLiteral("1"));
        doc.Save(true);
    }
    const std::optional<QString> complaint = XmllintComplaint(Path());
    if (complaint) {
        EXPECT_EQ(*complaint, QString());
    }
    {
        TXMLProject doc(Path());
        EXPECT_EQ(doc.GetText(QStringLiteral("a\u00F1o/"), ""), QStringLiteral("2024"));
        EXPECT_EQ(doc.GetAttribute(QStringLiteral("a/"), QStringLiteral("\u00E1rea"), ""), "1");
        doc.Discard();
    }
    const QByteArray before = Read();
    for (const QString& name : {QStringLiteral("\u03A9mega"), QStringLiteral("a\u00D7b"),
                                QStringLiteral("1a"), QStringLiteral("a b")}) {
        SCOPED_TRACE(name.toStdString());
        TXMLProject element(Path());
        element.SetText(name + QLatin1Char('/'), "x");
        EXPECT_THROW(element.Save(true), EXMLError);
        element.Discard();
        TXMLProject attribute(Path());
        attribute.SetAttribute("a/", name, "x");
        EXPECT_THROW(attribute.Save(true), EXMLError);
        attribute.Discard();
        EXPECT_EQ(Read(), before);
    }
}

// The new file replaces the link's target; the backup must hold the old content, not be one
// more link to the replaced file.
TEST_F(XMLProjectTest, TheBackupOfALinkedFileHoldsTheOldContent) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "QFile::link makes a shell shortcut here, not a link the system follows";
#endif
    Write("<import><a>old</a></import>", "real.xml");
    ASSERT_TRUE(QFile::link(Path("real.xml"), Path()));
    {
        TXMLProject doc(Path());
        doc.SetText("a/", "new");
        doc.Save(true);
    }
    const QFileInfo backup(Path("proyecto.xml.bak"));
    EXPECT_FALSE(backup.isSymLink());
    EXPECT_EQ(Read("proyecto.xml.bak"), QByteArray("<import><a>old</a></import>"));
    EXPECT_TRUE(Read().contains("new"));
    EXPECT_EQ(Read(), Read("real.xml"));
}
