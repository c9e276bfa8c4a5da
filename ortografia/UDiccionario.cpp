#include "ortografia/UDiccionario.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <hunspell.hxx>

#include <optional>
#include <utility>

namespace {

// Where ISO8859-15 differs from ISO8859-1: the byte and the character it stands for.
constexpr std::pair<unsigned char, char16_t> kLatin9[] = {
    {0xA4, u'\u20AC'}, {0xA6, u'\u0160'}, {0xA8, u'\u0161'}, {0xB4, u'\u017D'},
    {0xB8, u'\u017E'}, {0xBC, u'\u0152'}, {0xBD, u'\u0153'}, {0xBE, u'\u0178'},
};

// A path hunspell opens whatever characters the folder's name has: on Windows it opens a
// UTF-8 path with the long-path prefix through the wide-character calls.
QByteArray RutaHunspell(const QString& path) {
#ifdef Q_OS_WIN
    return QByteArrayLiteral("\\\\?\\") +
           QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toUtf8();
#else
    return QFile::encodeName(path);
#endif
}

// "UTF-8", "utf8", "ISO8859-1", "ISO-8859-1" all name one encoding each.
QString SinSeparadores(QString name) {
    name = name.toUpper();
    name.remove(QLatin1Char('-'));
    name.remove(QLatin1Char('_'));
    return name;
}

std::optional<char> ByteLatin1(char16_t code) {
    if (code > 0xFF)
        return std::nullopt;
    return char(code);
}

std::optional<char> ByteLatin9(char16_t code) {
    for (const auto& [byte, character] : kLatin9) {
        if (code == character)
            return char(byte);
        if (code == byte)
            return std::nullopt; // its place holds another character
    }
    return ByteLatin1(code);
}

} // namespace

std::unique_ptr<TDiccionario> TDiccionario::Abrir(const QString& aff, const QString& dic) {
    if (!QFileInfo(aff).isReadable() || !QFileInfo(dic).isReadable())
        return nullptr;
    auto hunspell =
        std::make_unique<Hunspell>(RutaHunspell(aff).constData(), RutaHunspell(dic).constData());
    const QString name = SinSeparadores(QString::fromStdString(hunspell->get_dict_encoding()));
    TCodificacion codificacion;
    if (name == QStringLiteral("UTF8"))
        codificacion = TCodificacion::Utf8;
    else if (name == QStringLiteral("ISO88591"))
        codificacion = TCodificacion::Latin1;
    else if (name == QStringLiteral("ISO885915"))
        codificacion = TCodificacion::Latin9;
    else
        return nullptr;
    return std::unique_ptr<TDiccionario>(new TDiccionario(std::move(hunspell), codificacion));
}

TDiccionario::TDiccionario(std::unique_ptr<Hunspell> hunspell, TCodificacion codificacion)
    : hunspell_(std::move(hunspell)), codificacion_(codificacion) {}

TDiccionario::~TDiccionario() = default;

bool TDiccionario::Correcta(const QString& palabra) {
    std::string bytes;
    return Codificar(palabra, bytes) && hunspell_->spell(bytes);
}

QStringList TDiccionario::Sugerencias(const QString& palabra) {
    std::string bytes;
    QStringList sugerencias;
    if (!Codificar(palabra, bytes))
        return sugerencias;
    for (const std::string& sugerencia : hunspell_->suggest(bytes))
        sugerencias.append(Decodificar(sugerencia));
    return sugerencias;
}

void TDiccionario::Agregar(const QString& palabra) {
    std::string bytes;
    if (Codificar(palabra, bytes))
        hunspell_->add(bytes);
}

QString TDiccionario::Codificacion() const {
    return QString::fromStdString(hunspell_->get_dict_encoding());
}

bool TDiccionario::Codificar(const QString& palabra, std::string& bytes) const {
    if (codificacion_ == TCodificacion::Utf8) {
        bytes = palabra.toStdString();
        return true;
    }
    bytes.clear();
    for (const QChar c : palabra) {
        const std::optional<char> byte = codificacion_ == TCodificacion::Latin9
                                             ? ByteLatin9(c.unicode())
                                             : ByteLatin1(c.unicode());
        if (!byte)
            return false;
        bytes.push_back(*byte);
    }
    return true;
}

QString TDiccionario::Decodificar(const std::string& bytes) const {
    if (codificacion_ == TCodificacion::Utf8)
        return QString::fromStdString(bytes);
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (const char byte : bytes) {
        char16_t code = static_cast<unsigned char>(byte);
        if (codificacion_ == TCodificacion::Latin9) {
            for (const auto& [latin9, character] : kLatin9) {
                if (code == latin9)
                    code = character;
            }
        }
        text.append(QChar(code));
    }
    return text;
}
