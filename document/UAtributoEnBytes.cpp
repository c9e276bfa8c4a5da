#include "document/UAtributoEnBytes.h"

#include <QByteArrayView>
#include <QList>

#include <algorithm>

namespace {

bool SoloDigitos(const QString& value) {
    return !value.isEmpty() &&
           std::all_of(value.begin(), value.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool EsBlanco(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Where a value stands in the bytes.
struct TTramo {
    qsizetype inicio = 0;
    qsizetype largo = 0;
};

// A scan of the markup, just enough to tell the elements and their attributes apart from
// text, CDATA sections, comments and processing instructions, whose bytes may look like tags.
class TExploradorMarcas {
  public:
    TExploradorMarcas(QByteArrayView xml, QList<QByteArray> ruta, QByteArray atributo)
        : xml_(xml), ruta_(std::move(ruta)), atributo_(std::move(atributo)) {}

    // The attribute's value when the element and the attribute are there exactly once; nothing
    // when they are not, or when the markup is anything the scan does not expect.
    std::optional<TTramo> Buscar() {
        qsizetype i = 0;
        while ((i = xml_.indexOf('<', i)) >= 0) {
            if (!Marca(i))
                return std::nullopt;
        }
        if (!abiertos_.isEmpty() || encontrados_ != 1)
            return std::nullopt;
        return tramo_;
    }

  private:
    // Skips from i, which stands on "<", past the construct it opens; false on malformed markup.
    bool Marca(qsizetype& i) {
        const QByteArrayView resto = xml_.sliced(i);
        if (resto.startsWith("<![CDATA["))
            return SaltarHasta(i, "]]>");
        if (resto.startsWith("<!--"))
            return SaltarHasta(i, "-->");
        if (resto.startsWith("<?"))
            return SaltarHasta(i, "?>");
        // A document type may hold "<" and ">" of its own; the program never writes one.
        if (resto.startsWith("<!"))
            return false;
        if (resto.startsWith("</"))
            return Cierre(i);
        return Apertura(i);
    }

    bool SaltarHasta(qsizetype& i, const char* fin) {
        const qsizetype at = xml_.indexOf(QByteArrayView(fin), i);
        if (at < 0)
            return false;
        i = at + qsizetype(qstrlen(fin));
        return true;
    }

    QByteArrayView Nombre(qsizetype& i) const {
        const qsizetype inicio = i;
        while (i < xml_.size() && !EsBlanco(xml_[i]) && xml_[i] != '/' && xml_[i] != '>' &&
               xml_[i] != '=')
            ++i;
        return xml_.sliced(inicio, i - inicio);
    }

    void Blancos(qsizetype& i) const {
        while (i < xml_.size() && EsBlanco(xml_[i]))
            ++i;
    }

    bool Cierre(qsizetype& i) {
        i += 2;
        const QByteArrayView nombre = Nombre(i);
        Blancos(i);
        if (i >= xml_.size() || xml_[i] != '>' || abiertos_.isEmpty() || abiertos_.last() != nombre)
            return false;
        abiertos_.removeLast();
        ++i;
        return true;
    }

    bool Apertura(qsizetype& i) {
        ++i;
        const QByteArrayView nombre = Nombre(i);
        if (nombre.isEmpty())
            return false;
        if (abiertos_.isEmpty())
            ++raices_;
        const bool buscado = EsBuscado(nombre);
        while (true) {
            Blancos(i);
            if (i >= xml_.size())
                return false;
            if (xml_[i] == '>') {
                abiertos_.append(nombre);
                ++i;
                return true;
            }
            if (xml_.sliced(i).startsWith("/>")) {
                i += 2;
                return true;
            }
            if (!Atributo(i, buscado))
                return false;
        }
    }

    // name="value" or name='value'; the value may hold ">" and "/".
    bool Atributo(qsizetype& i, bool buscado) {
        const QByteArrayView nombre = Nombre(i);
        Blancos(i);
        if (nombre.isEmpty() || i >= xml_.size() || xml_[i] != '=')
            return false;
        ++i;
        Blancos(i);
        if (i >= xml_.size() || (xml_[i] != '"' && xml_[i] != '\''))
            return false;
        const qsizetype cierre = xml_.indexOf(xml_[i], i + 1);
        if (cierre < 0)
            return false;
        if (buscado && nombre == atributo_) {
            ++encontrados_;
            tramo_ = {i + 1, cierre - i - 1};
        }
        i = cierre + 1;
        return true;
    }

    // The element of the path, inside the first element of the file.
    bool EsBuscado(QByteArrayView nombre) const {
        if (raices_ != 1 || abiertos_.size() != ruta_.size())
            return false;
        for (qsizetype k = 1; k < ruta_.size(); ++k)
            if (abiertos_[k] != ruta_[k - 1])
                return false;
        return nombre == ruta_.last();
    }

    QByteArrayView xml_;
    QList<QByteArray> ruta_;
    QByteArray atributo_;
    QList<QByteArrayView> abiertos_; // into xml_, which outlives the scan
    int raices_ = 0;
    int encontrados_ = 0;
    TTramo tramo_;
};

} // namespace

std::optional<QByteArray> ReemplazarValorAtributo(QByteArray xml, const QString& path,
                                                  const QString& name, const QString& oldValue,
                                                  const QString& newValue) {
    if (!SoloDigitos(oldValue) || !SoloDigitos(newValue))
        return std::nullopt;
    QList<QByteArray> ruta;
    for (const QString& paso : path.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        ruta.append(paso.toUtf8());
    if (ruta.isEmpty())
        return std::nullopt;
    const std::optional<TTramo> tramo = TExploradorMarcas(xml, ruta, name.toUtf8()).Buscar();
    if (!tramo || xml.sliced(tramo->inicio, tramo->largo) != oldValue.toLatin1())
        return std::nullopt;
    // In place: bytes nobody else holds are not copied.
    xml.replace(tramo->inicio, tramo->largo, newValue.toLatin1());
    return xml;
}
