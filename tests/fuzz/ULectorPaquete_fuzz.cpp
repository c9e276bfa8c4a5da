// Fuzz target of the package reader: any bytes as a received package. The import either reads
// "proyecto.xml" or refuses the package with an EVelornError; the verifier reports it, and
// agrees: the import read exactly the packages whose index the verifier finds no fault in and
// whose project it read. Nothing may be written beside the package.
// Anything else aborts, which the driver reports with the input. Packages whose index does not
// read return -1, which keeps them out of the corpus.
#include "document/UErrores.h"
#include "package/ULectorPaquete.h"
#include "verificador/URevisionEntrada.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

[[noreturn]] void Fault(const char* what, const QString& detail = QString()) {
    std::fprintf(stderr, "fuzz: %s %s\n", what, detail.toLocal8Bit().constData());
    std::abort();
}

// The package and an installation, in memory where possible.
const QString& Folder() {
    static const std::unique_ptr<QTemporaryDir> dir = [] {
        const QString shm = QStringLiteral("/dev/shm");
        auto made =
            QDir(shm).exists()
                ? std::make_unique<QTemporaryDir>(shm + QStringLiteral("/velorn-fuzz-XXXXXX"))
                : std::make_unique<QTemporaryDir>();
        if (!made->isValid())
            made = std::make_unique<QTemporaryDir>();
        QFile config(made->filePath(QStringLiteral("config.xml")));
        if (!config.open(QIODevice::WriteOnly))
            Fault("cannot write the installation");
        config.write("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<config><convocatorias>"
                     "<c caption=\"Convocatoria A\" file=\"a.xml\" type=\"ROVA-I-A\"/>"
                     "</convocatorias></config>\r\n");
        return made;
    }();
    static const QString path = dir->path();
    return path;
}

// Codes of the faults of the index, which the import refuses whatever entry they are about.
bool DelIndice(const QString& codigo) {
    static const QStringList kIndice = {QStringLiteral("no-zip"),
                                        QStringLiteral("indice"),
                                        QStringLiteral("indice-grande"),
                                        QStringLiteral("nombre-vacio"),
                                        QStringLiteral("nombre-largo"),
                                        QStringLiteral("nombre-nulo"),
                                        QStringLiteral("fuera-de-carpeta"),
                                        QStringLiteral("duplicada"),
                                        QStringLiteral("encabezado"),
                                        QStringLiteral("nombre-local"),
                                        QStringLiteral("encabezado-distinto"),
                                        QStringLiteral("truncada"),
                                        QStringLiteral("superpuestas"),
                                        QStringLiteral("otros")};
    return kIndice.contains(codigo);
}

struct TCuenta {
    long long inputs = 0;
    long long read = 0;
    long long imported = 0;
    ~TCuenta() {
        std::fprintf(stderr, "fuzz: %lld of %lld inputs had a readable index, %lld imported\n",
                     read, inputs, imported);
    }
} cuenta;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = Folder() + QStringLiteral("/paquete.zip");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            Fault("cannot write the input");
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    ++cuenta.inputs;
    bool imported = true;
    try {
        TLectorPaquete::LeerProyecto(path);
    } catch (const EVelornError&) {
        imported = false;
    }
    cuenta.imported += imported;
    const TResultadoEntrada resultado = TRevisionEntrada(Folder()).Revisar(path);
    if (!resultado.error.isEmpty())
        Fault("the verifier could not read the input:", resultado.error);
    bool indice = false;
    // The project was read when it was parsed, whatever it held.
    bool leido = resultado.verificadoGuardado.has_value();
    for (const TProblemaZip& problema : resultado.problemas) {
        indice = indice || DelIndice(problema.codigo);
        leido = leido || problema.codigo == QLatin1String("xml") ||
                problema.codigo == QLatin1String("version");
    }
    if (imported != (!indice && leido))
        Fault(imported ? "the import read a package the verifier finds faults in"
                       : "the import refused a package the verifier finds no fault in");
    if (QDir(Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size() !=
        2)
        Fault("a file was written beside the package");
    const bool legible = TLectorPaquete(path).Indice().Legible();
    cuenta.read += legible;
    return legible ? 0 : -1;
}
