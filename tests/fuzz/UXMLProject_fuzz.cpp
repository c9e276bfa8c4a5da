// Fuzz target of the document layer: any bytes as "proyecto.xml" are either refused with an
// EXMLError or loaded; a loaded file is saved, the saved file must be well-formed for an
// independent parser (Qt's) and must load again into the same document, written the same way.
// Anything else aborts, which the driver reports with the input. Refused inputs return -1,
// which keeps them out of the corpus.
#include "document/UErrores.h"
#include "document/UXMLProject.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

[[noreturn]] void Fault(const char* what, const QString& detail = QString()) {
    std::fprintf(stderr, "fuzz: %s %s\n", what, detail.toLocal8Bit().constData());
    std::abort();
}

// The working files live in memory where possible: every save syncs the file to disk.
const QString& Folder() {
    static const std::unique_ptr<QTemporaryDir> dir = [] {
        const QString shm = QStringLiteral("/dev/shm");
        auto made =
            QDir(shm).exists()
                ? std::make_unique<QTemporaryDir>(shm + QStringLiteral("/velorn-fuzz-XXXXXX"))
                : std::make_unique<QTemporaryDir>();
        if (!made->isValid())
            made = std::make_unique<QTemporaryDir>();
        return made;
    }();
    static const QString path = dir->path();
    return path;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void CheckWellFormed(const QByteArray& bytes) {
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError())
        Fault("written file is not well-formed:", reader.errorString());
}

// Reads every element's text, the way the pages do, so that reading never fails on content.
void ReadEverything(TXMLProject& document) {
    std::vector<TXMLNode> pending{document.GetNode(QString())};
    while (!pending.empty()) {
        const TXMLNode node = pending.back();
        pending.pop_back();
        if (node.HoldsText())
            (void)node.Text();
        for (const TXMLNode& child : node.Children())
            pending.push_back(child);
    }
}

// How many inputs loaded, printed at the end: a run that refuses everything finds nothing.
struct TCuenta {
    long long inputs = 0;
    long long loaded = 0;
    ~TCuenta() { std::fprintf(stderr, "fuzz: %lld of %lld inputs loaded\n", loaded, inputs); }
} cuenta;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = Folder() + QStringLiteral("/proyecto.xml");
    QFile::remove(path + QStringLiteral(".bak"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            Fault("cannot write the input");
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    ++cuenta.inputs;
    std::string first;
    try {
        TXMLProject document(path);
        ReadEverything(document);
        first = document.Serialize();
        document.Save(true);
    } catch (const EXMLError& refused) {
        if (ReadAll(path) != QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)))
            Fault("a refused file was changed");
        return -1; // libFuzzer's "keep out of the corpus"
    }
    ++cuenta.loaded;
    const QByteArray written = ReadAll(path);
    if (written != QByteArray::fromStdString(first))
        Fault("the saved file differs from the serialized document");
    CheckWellFormed(written);
    try {
        TXMLProject again(path);
        if (again.Serialize() != first)
            Fault("the saved file loads into another document");
        again.Discard();
    } catch (const EXMLError& e) {
        Fault("the saved file is refused:", e.Message());
    }
    return 0;
}
