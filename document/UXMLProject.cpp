#include "document/UXMLProject.h"

#include "document/UArchivoAtomico.h"
#include "document/UEnteros.h"
#include "document/USistemaArchivos.h"
#include "document/UXMLTexto.h"
#include "document/UXMLVerificacion.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <pugixml.hpp>

#include <algorithm>
#include <vector>

namespace {

pugi::xml_node Wrap(pugi::xml_node_struct* node) {
    return pugi::xml_node(node);
}

std::string Utf8(const QString& text) {
    return text.toStdString();
}

// A value as stored: XML cannot carry a NUL, and a NUL would end the stored text early.
std::string ValueUtf8(const QString& text) {
    std::string value = text.toStdString();
    value.erase(std::remove(value.begin(), value.end(), '\0'), value.end());
    return value;
}

QString FromUtf8(const char* text) {
    // QString::fromUtf8 drops a leading U+FEFF as a byte order mark; in a value it is text.
    if (static_cast<unsigned char>(text[0]) == 0xEF &&
        static_cast<unsigned char>(text[1]) == 0xBB &&
        static_cast<unsigned char>(text[2]) == 0xBF) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return decoder(QByteArrayView(text));
    }
    return QString::fromUtf8(text);
}

bool IsTextNode(const pugi::xml_node& node) {
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// A value split over several text and CDATA nodes when it was written (around characters
// the file's encoding cannot hold, or around "]]>") is one value again after reading.
void JoinAdjacentTexts(pugi::xml_node element) {
    pugi::xml_node child = element.first_child();
    while (child) {
        if (!IsTextNode(child) || !IsTextNode(child.next_sibling())) {
            child = child.next_sibling();
            continue;
        }
        std::string value;
        bool anyCData = false;
        pugi::xml_node last = child;
        for (pugi::xml_node n = child; n && IsTextNode(n); n = n.next_sibling()) {
            value += n.value();
            anyCData = anyCData || n.type() == pugi::node_cdata;
            last = n;
        }
        pugi::xml_node joined =
            element.insert_child_before(anyCData ? pugi::node_cdata : pugi::node_pcdata, child);
        joined.set_value(value.c_str());
        pugi::xml_node stop = last.next_sibling();
        for (pugi::xml_node n = child; n != stop;) {
            pugi::xml_node next = n.next_sibling();
            element.remove_child(n);
            n = next;
        }
        child = stop;
    }
}

// Visits every element of the tree without recursion, so a deeply nested file cannot
// exhaust the stack.
template <typename Visit> void ForEachElement(pugi::xml_node root, Visit visit) {
    pugi::xml_node node = root;
    while (node) {
        if (node.type() == pugi::node_element)
            visit(node);
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node && node != root && !node.next_sibling())
            node = node.parent();
        if (!node || node == root)
            break;
        node = node.next_sibling();
    }
}

struct LineColumn {
    long line = 1;
    long column = 1;
};

LineColumn PositionOf(const std::string& text, std::ptrdiff_t offset) {
    LineColumn position;
    const std::ptrdiff_t end = std::min<std::ptrdiff_t>(offset, std::ptrdiff_t(text.size()));
    for (std::ptrdiff_t i = 0; i < end; ++i) {
        if (text[size_t(i)] == '\n') {
            ++position.line;
            position.column = 1;
        } else if ((static_cast<unsigned char>(text[size_t(i)]) & 0xC0) != 0x80) {
            ++position.column;
        }
    }
    return position;
}

// Writes the tree: one element a line, two blanks a level, CRLF, a text-only element on the
// line of its tags, CDATA on a line of its own; an element mixing text and elements is written
// on one line so that no indentation can reach its text.
class TEscritorXML {
  public:
    explicit TEscritorXML(std::string& out) : out_(out) {}

    void WriteDocument(pugi::xml_node root) {
        out_ += "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n";
        if (root)
            WriteTree(root);
    }

  private:
    enum class Layout { Empty, Elements, PlainText, CDataText, Mixed };

    static Layout LayoutOf(pugi::xml_node element) {
        bool elements = false, texts = false, cdata = false;
        for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
            if (child.type() == pugi::node_element)
                elements = true;
            else if (child.type() == pugi::node_cdata)
                texts = cdata = true;
            else if (child.type() == pugi::node_pcdata)
                texts = true;
        }
        if (elements && texts)
            return Layout::Mixed;
        if (elements)
            return Layout::Elements;
        if (cdata)
            return Layout::CDataText;
        if (texts)
            return Layout::PlainText;
        return Layout::Empty;
    }

    void Indent(int depth) { out_.append(size_t(depth) * 2, ' '); }

    // A name that would not read back as itself is never written.
    void Name(const char* name) {
        if (!IsWritableXmlName(name) || !AppendLatin1Name(out_, name))
            throw EXMLError(QStringLiteral("El nombre \"%1\" no se puede escribir en un archivo "
                                           "XML.")
                                .arg(QString::fromUtf8(name)));
    }

    void OpenTag(pugi::xml_node element) {
        out_ += '<';
        Name(element.name());
        for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
            out_ += ' ';
            Name(a.name());
            out_ += "=\"";
            AppendEscapedAttribute(out_, a.value());
            out_ += '"';
        }
    }

    void CloseTag(pugi::xml_node element) {
        out_ += "</";
        Name(element.name());
        out_ += '>';
    }

    void WriteTextRun(pugi::xml_node first, bool asCData) {
        for (pugi::xml_node n = first; n && IsTextNode(n); n = n.next_sibling()) {
            if (asCData)
                AppendCDataValue(out_, n.value());
            else
                AppendEscapedText(out_, n.value());
        }
    }

    // Everything below the element on the current line, without line breaks.
    void WriteInline(pugi::xml_node top) {
        struct Frame {
            pugi::xml_node node;
            pugi::xml_node next;
        };
        std::vector<Frame> stack;
        OpenTag(top);
        if (!top.first_child()) {
            out_ += "/>";
            return;
        }
        out_ += '>';
        stack.push_back({top, top.first_child()});
        while (!stack.empty()) {
            Frame& frame = stack.back();
            if (!frame.next) {
                CloseTag(frame.node);
                stack.pop_back();
                continue;
            }
            pugi::xml_node child = frame.next;
            frame.next = child.next_sibling();
            if (child.type() == pugi::node_pcdata) {
                AppendEscapedText(out_, child.value());
            } else if (child.type() == pugi::node_cdata) {
                AppendCDataValue(out_, child.value());
            } else if (child.type() == pugi::node_element) {
                OpenTag(child);
                if (child.first_child()) {
                    out_ += '>';
                    stack.push_back({child, child.first_child()});
                } else {
                    out_ += "/>";
                }
            }
        }
    }

    void WriteTree(pugi::xml_node root) {
        struct Frame {
            pugi::xml_node node;
            pugi::xml_node next;
        };
        std::vector<Frame> stack;
        auto writeElement = [&](pugi::xml_node element) {
            const int depth = int(stack.size());
            Indent(depth);
            switch (LayoutOf(element)) {
            case Layout::Empty:
                OpenTag(element);
                out_ += "/>\r\n";
                break;
            case Layout::PlainText:
                OpenTag(element);
                out_ += '>';
                WriteTextRun(element.first_child(), false);
                CloseTag(element);
                out_ += "\r\n";
                break;
            case Layout::CDataText:
                OpenTag(element);
                out_ += ">\r\n";
                Indent(depth + 1);
                WriteTextRun(element.first_child(), true);
                out_ += "\r\n";
                Indent(depth);
                CloseTag(element);
                out_ += "\r\n";
                break;
            case Layout::Mixed:
                WriteInline(element);
                out_ += "\r\n";
                break;
            case Layout::Elements:
                OpenTag(element);
                out_ += ">\r\n";
                stack.push_back({element, element.first_child()});
                break;
            }
        };
        writeElement(root);
        while (!stack.empty()) {
            Frame& frame = stack.back();
            pugi::xml_node child = frame.next;
            while (child && child.type() != pugi::node_element)
                child = child.next_sibling();
            if (!child) {
                pugi::xml_node done = frame.node;
                stack.pop_back();
                Indent(int(stack.size()));
                CloseTag(done);
                out_ += "\r\n";
                continue;
            }
            frame.next = child.next_sibling();
            writeElement(child);
        }
    }

    std::string& out_;
};

// The previous file stays under the backup name. A second name for the same file is enough,
// because the new content goes into a new file that is renamed over the old name. A symbolic
// link is not: the new file replaces the link's target, which a second link would still show,
// so the target's content is copied; so it is where the file system has no second names.
void KeepBackup(const QString& fileName, const QString& backupName) {
    QFile::remove(backupName);
    if (!QFileInfo(fileName).isSymLink() && HardLink(fileName, backupName))
        return;
    QFile::copy(fileName, backupName);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// TXMLNode

QString TXMLNode::Name() const {
    return node_ ? FromUtf8(Wrap(node_).name()) : QString();
}

int TXMLNode::ChildCount() const {
    int count = 0;
    if (node_)
        for (pugi::xml_node c = Wrap(node_).first_child(); c; c = c.next_sibling())
            if (c.type() == pugi::node_element)
                ++count;
    return count;
}

TXMLNode TXMLNode::Child(int index) const {
    if (node_ && index >= 0)
        for (pugi::xml_node c = Wrap(node_).first_child(); c; c = c.next_sibling())
            if (c.type() == pugi::node_element && index-- == 0)
                return TXMLNode(c.internal_object(), owner_);
    return TXMLNode();
}

std::vector<TXMLNode> TXMLNode::Children() const {
    std::vector<TXMLNode> children;
    if (node_)
        for (pugi::xml_node c = Wrap(node_).first_child(); c; c = c.next_sibling())
            if (c.type() == pugi::node_element)
                children.push_back(TXMLNode(c.internal_object(), owner_));
    return children;
}

TXMLNode TXMLNode::FirstChild(const QString& name) const {
    if (!node_)
        return TXMLNode();
    pugi::xml_node child = Wrap(node_).child(Utf8(name).c_str());
    return child ? TXMLNode(child.internal_object(), owner_) : TXMLNode();
}

bool TXMLNode::HasAttribute(const QString& name) const {
    return node_ && Wrap(node_).attribute(Utf8(name).c_str());
}

QString TXMLNode::Attribute(const QString& name, const QString& defaultValue) const {
    if (!node_)
        return defaultValue;
    pugi::xml_attribute a = Wrap(node_).attribute(Utf8(name).c_str());
    return a ? FromUtf8(a.value()) : defaultValue;
}

void TXMLNode::SetAttribute(const QString& name, const QString& value) {
    if (!node_)
        return;
    const std::string key = Utf8(name);
    pugi::xml_node node = Wrap(node_);
    pugi::xml_attribute a = node.attribute(key.c_str());
    if (!a)
        a = node.append_attribute(key.c_str());
    const std::string text = ValueUtf8(value);
    a.set_value(text.c_str(), text.size());
    if (owner_)
        owner_->MarkModified();
}

bool TXMLNode::HoldsText() const {
    if (!node_)
        return false;
    pugi::xml_node first = Wrap(node_).first_child();
    return first && IsTextNode(first) && !first.next_sibling();
}

bool TXMLNode::HoldsPlainText() const {
    return HoldsText() && Wrap(node_).first_child().type() == pugi::node_pcdata;
}

QString TXMLNode::Text() const {
    if (!node_ || !Wrap(node_).first_child())
        return QString();
    if (!HoldsText())
        throw EXMLError(
            QStringLiteral("El elemento \"%1\" no contiene solamente texto.").arg(Name()));
    return FromUtf8(Wrap(node_).first_child().value());
}

TXMLNode TXMLNode::AppendChild(const QString& name) {
    if (!node_)
        return TXMLNode();
    pugi::xml_node child = Wrap(node_).append_child(Utf8(name).c_str());
    if (owner_)
        owner_->MarkModified();
    return TXMLNode(child.internal_object(), owner_);
}

void TXMLNode::RemoveChild(const TXMLNode& child) {
    if (!node_ || child.IsNull())
        return;
    if (Wrap(node_).remove_child(Wrap(child.node_)) && owner_)
        owner_->MarkModified();
}

void TXMLNode::RemoveAllChildren() {
    if (!node_ || !Wrap(node_).first_child())
        return;
    Wrap(node_).remove_children();
    if (owner_)
        owner_->MarkModified();
}

// ---------------------------------------------------------------------------------------------
// TXMLProject

TXMLProject::TXMLProject(const QString& fileName, QByteArray* read)
    : fileName_(fileName), document_(std::make_unique<pugi::xml_document>()) {
    if (!QFileInfo::exists(fileName_)) {
        document_->append_child("import");
        modified_ = true;
        return;
    }
    QFile file(fileName_);
    if (!file.open(QIODevice::ReadOnly))
        throw EXMLError(QStringLiteral("No se pudo leer el archivo \"%1\": %2")
                            .arg(fileName_, file.errorString()));
    const QByteArray bytes = file.readAll();
    Parse(bytes);
    if (read != nullptr)
        *read = bytes;
}

TXMLProject::TXMLProject(const QString& name, const QByteArray& bytes)
    : fileName_(name), document_(std::make_unique<pugi::xml_document>()) {
    Parse(bytes);
}

std::unique_ptr<TXMLProject> TXMLProject::FromBytes(const QByteArray& bytes, const QString& name) {
    return std::unique_ptr<TXMLProject>(new TXMLProject(name, bytes));
}

void TXMLProject::Parse(const QByteArray& bytes) {
    const std::string unreadable = UnreadableEncoding(bytes.constData(), size_t(bytes.size()));
    if (!unreadable.empty())
        throw EXMLError(QStringLiteral("El archivo \"%1\" está escrito en la codificación \"%2\", "
                                       "que el programa no puede leer sin alterar el texto.")
                            .arg(fileName_, QString::fromUtf8(unreadable.c_str())));
    // Parsed in place: the text stays with the object instead of being copied once more.
    text_ = XmlBytesToUtf8(bytes.constData(), size_t(bytes.size()));
    expectedSize_ = size_t(bytes.size());
    // The parser is lenient: as a fragment it keeps what stands beside the root element, and
    // without its escapes it leaves references alone, so that the checks below see both.
    constexpr unsigned kOptions =
        (pugi::parse_default | pugi::parse_fragment | pugi::parse_declaration) &
        ~pugi::parse_escapes;
    const pugi::xml_parse_result result =
        document_->load_buffer_inplace(text_.data(), text_.size(), kOptions, pugi::encoding_utf8);
    if (!result) {
        const std::string text = XmlBytesToUtf8(bytes.constData(), size_t(bytes.size()));
        const LineColumn at = PositionOf(text, result.offset);
        throw EXMLError(QStringLiteral("El archivo \"%1\" no es un XML válido: %2 (línea %3, "
                                       "columna %4).")
                            .arg(fileName_, FromUtf8(result.description()))
                            .arg(at.line)
                            .arg(at.column));
    }
    VerifyParsedDocument(*document_, text_, bytes, fileName_);
    ForEachElement(document_->document_element(), JoinAdjacentTexts);
    modified_ = false;
}

TXMLProject::~TXMLProject() = default;

void TXMLProject::RequireOpen() const {
    if (!document_)
        throw EXMLError(QStringLiteral("El documento \"%1\" ya fue cerrado.").arg(fileName_));
}

pugi::xml_node_struct* TXMLProject::Root() const {
    RequireOpen();
    return document_->document_element().internal_object();
}

pugi::xml_node_struct* TXMLProject::FindPath(const QString& path) {
    pugi::xml_node node = Wrap(Root());
    const std::string names = Utf8(path);
    size_t start = 0;
    while (start < names.size()) {
        size_t slash = names.find('/', start);
        if (slash == std::string::npos)
            slash = names.size();
        const std::string head = names.substr(start, slash - start);
        start = slash + 1;
        if (head.empty())
            continue;
        pugi::xml_node child = node.child(head.c_str());
        node = child ? child : node.append_child(head.c_str());
    }
    return node.internal_object();
}

QString TXMLProject::GetText(const QString& path, const QString& defaultValue) {
    pugi::xml_node element = Wrap(FindPath(path));
    pugi::xml_node first = element.first_child();
    if (!first)
        return defaultValue;
    if (!IsTextNode(first) || first.next_sibling())
        return defaultValue;
    const char* value = first.value();
    return *value ? FromUtf8(value) : defaultValue;
}

void TXMLProject::SetText(const QString& path, const QString& value) {
    pugi::xml_node element = Wrap(FindPath(path));
    element.remove_children();
    const std::string text = ValueUtf8(value);
    element.append_child(pugi::node_pcdata).set_value(text.c_str(), text.size());
    modified_ = true;
}

void TXMLProject::SetCData(const QString& path, const QString& value) {
    pugi::xml_node element = Wrap(FindPath(path));
    element.remove_children();
    const std::string text = ValueUtf8(value);
    element.append_child(pugi::node_cdata).set_value(text.c_str(), text.size());
    modified_ = true;
}

QString TXMLProject::GetAttribute(const QString& path, const QString& name,
                                  const QString& defaultValue) {
    return TXMLNode(FindPath(path), this).Attribute(name, defaultValue);
}

int TXMLProject::GetAttributeInt(const QString& path, const QString& name, int defaultValue) {
    const QString text = GetAttribute(path, name, QString::number(defaultValue));
    int value = 0;
    if (!TextToInt(text, value))
        throw EConvertError(QStringLiteral("'%1' no es un valor entero válido").arg(text));
    return value;
}

bool TXMLProject::GetAttributeInt(const QString& path, const QString& name, bool defaultValue) {
    return GetAttributeInt(path, name, defaultValue ? 1 : 0) == 1;
}

void TXMLProject::SetAttribute(const QString& path, const QString& name, const QString& value) {
    if (GetAttribute(path, name, QString()) == value)
        return;
    TXMLNode(FindPath(path), this).SetAttribute(name, value);
}

void TXMLProject::SetAttributeInt(const QString& path, const QString& name, int value) {
    SetAttribute(path, name, QString::number(value));
}

void TXMLProject::SetAttributeInt(const QString& path, const QString& name, bool value) {
    SetAttributeInt(path, name, value ? 1 : 0);
}

void TXMLProject::ForceAttribute(const QString& path, const QString& name, const QString& value) {
    TXMLNode(FindPath(path), this).SetAttribute(name, value);
    modified_ = true;
}

TXMLNode TXMLProject::GetNode(const QString& path) {
    return TXMLNode(FindPath(path), this);
}

TXMLNode TXMLProject::FindChildByAttribute(const QString& path, const QString& name,
                                           const QString& value) {
    const TXMLNode parent(FindPath(path), this);
    for (const TXMLNode& child : parent.Children())
        if (child.Attribute(name, QString()) == value)
            return child;
    return TXMLNode();
}

void TXMLProject::AppendText(const TXMLNode& element, const QString& text) {
    RequireOpen();
    if (element.IsNull())
        return;
    const std::string value = ValueUtf8(text);
    Wrap(element.node_).append_child(pugi::node_pcdata).set_value(value.c_str(), value.size());
}

std::string TXMLProject::Serialize() const {
    std::string out;
    // Large documents grow by megabytes: one buffer of about the right size spares the
    // copies and fresh pages of repeated growth.
    out.reserve(expectedSize_ + expectedSize_ / 8 + 4096);
    TEscritorXML(out).WriteDocument(Wrap(Root()));
    expectedSize_ = out.size();
    return out;
}

void TXMLProject::Save(bool force) {
    RequireOpen();
    if (!modified_ && !force)
        return;
    const std::string bytes = Serialize();
    Write(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())));
}

void TXMLProject::SaveBytes(const QByteArray& bytes) {
    RequireOpen();
    Write(bytes);
}

void TXMLProject::Write(const QByteArray& bytes) {
    if (backup_ && QFileInfo::exists(fileName_))
        KeepBackup(fileName_, fileName_ + QStringLiteral(".bak"));
    // Written beside the old file and renamed over it: a failure never leaves a cut file.
    QString error;
    if (!TArchivoAtomico::WriteFile(fileName_, bytes, &error))
        throw EXMLError(
            QStringLiteral("No se pudo escribir el archivo \"%1\": %2").arg(fileName_, error));
    modified_ = false;
}

void TXMLProject::Release() {
    Save(false);
    Discard();
}

void TXMLProject::Discard() {
    document_.reset();
}
