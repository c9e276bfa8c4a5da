#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class TGrupo;
class TXMLNode;

// The record of one person of a group as the person page edits it: the CUIL, which is the
// person's key in the group, and the value of every field element. A light value, filled from
// the page or from the document for one operation.
class TFichaPersona {
  public:
    // The field elements in the order they are stored, which is the order their elements take
    // in a new person: identification, personal data, work and private contact, curriculum,
    // then for each of the five employers its organisation, position, weekly hours and start.
    static const QStringList& Campos();
    // The name of a field of employer n (1 to 5): "empleador" n followed by the suffix
    // ("Organizacion", "Cargo", "Dedicacion", "FechaInicio").
    static QString CampoEmpleador(int n, const QString& suffix);

    const QString& Cuil() const { return cuil_; }
    void SetCuil(const QString& cuil) { cuil_ = cuil; }
    // Empty for a field never set.
    QString Valor(const QString& campo) const { return valores_.value(campo); }
    void SetValor(const QString& campo, const QString& valor) { valores_.insert(campo, valor); }

    // The person of the group with that CUIL (appended, without fields, when the group has
    // none), every field as stored.
    static TFichaPersona Read(TGrupo& grupo, const QString& cuil);
    // The person of that element of a group, every field as stored.
    static TFichaPersona ReadNode(const TXMLNode& participante);
    // Reads the person from the file without writing it.
    static TFichaPersona ReadFile(const QString& fileName, const QString& grupo,
                                  const QString& cuil);

    // Selects the person by CUIL (appending a new one) and stores every field in the order of
    // Campos(); only values that differ are written, so an empty field never stored before
    // leaves no element.
    void Store(TGrupo& grupo) const;
    // Appends the person to the group, for a caller that knows the group does not have its CUIL,
    // with the fields as Store writes them.
    void StoreNuevo(TGrupo& grupo) const;
    // Stores the person into the file's group and writes the file, even when nothing changed,
    // keeping the previous one as the ".bak" copy. The file is unchanged when this fails.
    void StoreFile(const QString& fileName, const QString& grupo) const;

  private:
    QString cuil_;
    QHash<QString, QString> valores_;
};
