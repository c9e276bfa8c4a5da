#pragma once

#include <QHash>
#include <QString>

#include <vector>

class TListaCodigos;
class TXMLProject;

// How the project document keeps a field.
enum class TAlmacen {
    Texto,          // the element's text, written as CDATA
    TextoEditable,  // the same, after the attribute edit="yes" on the element
    Codificado,     // a choice from a code list: see UValorCodificado
    CodificadoFijo, // a coded value the page fixes: always written, never read back
    TextoFijo,      // a text the page fixes: always written, never read back
};

// One field of a page: the control that shows it (empty for a fixed value), the path of its
// element in the document and how the document keeps it.
struct TCampoRegistro {
    static TCampoRegistro Texto(const QString& control, const QString& ruta,
                                TAlmacen almacen = TAlmacen::Texto) {
        return {control, ruta, almacen, nullptr, QString(), QString()};
    }
    static TCampoRegistro Codificado(const QString& control, const QString& ruta,
                                     const TListaCodigos& lista) {
        return {control, ruta, TAlmacen::Codificado, &lista, QString(), QString()};
    }
    static TCampoRegistro CodificadoFijo(const QString& control, const QString& ruta,
                                         const QString& codigo, const QString& nombre) {
        return {control, ruta, TAlmacen::CodificadoFijo, nullptr, codigo, nombre};
    }
    static TCampoRegistro TextoFijo(const QString& ruta, const QString& texto) {
        return {QString(), ruta, TAlmacen::TextoFijo, nullptr, QString(), texto};
    }

    QString control;
    QString ruta;
    TAlmacen almacen = TAlmacen::Texto;
    const TListaCodigos* lista = nullptr; // Codificado: the list the names come from
    QString codigo;                       // CodificadoFijo: the code
    QString fijo;                         // CodificadoFijo and TextoFijo: the text
};

// The values of a page's fields, read from and written to the project document by one table.
// The page shows and edits the values; the rules read them the same way.
class TRegistroCampos {
  public:
    explicit TRegistroCampos(std::vector<TCampoRegistro> campos);

    const std::vector<TCampoRegistro>& Campos() const { return campos_; }
    // The value of the field shown by that control; empty when it has none.
    QString Valor(const QString& control) const;
    void SetValor(const QString& control, const QString& valor);
    // Whether any field the user fills holds more than blanks.
    bool TieneDatos() const;

    // Reads every field that is not fixed.
    void Leer(TXMLProject& project);
    // Writes every field in the table's order; a coded value gets the code its list gives the
    // name (empty when the list does not have it).
    void Escribir(TXMLProject& project) const;

  private:
    std::vector<TCampoRegistro> campos_;
    QHash<QString, QString> valores_;
};
