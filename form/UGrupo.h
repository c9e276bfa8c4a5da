#pragma once

#include "document/UXMLProject.h"

#include <QString>
#include <QStringList>

#include <vector>

// One group of persons of the project document: "gruporesponsable" or "grupocolaborador",
// an element directly below the root with one "participante" child per person. The person's
// CUIL is the attribute "cuil" of its element; every other field is a child element holding
// its value as one plain text node.
//
// A light accessor for one operation: the caller opens and releases the document, and nothing
// here saves it. Reading creates the group element (empty) when it is missing.
class TGrupo {
  public:
    static QString GrupoResponsable() { return QStringLiteral("gruporesponsable"); }
    static QString GrupoColaborador() { return QStringLiteral("grupocolaborador"); }
    // The rol of the one leader of the responsible group.
    static QString RolInvestigadorResponsable() {
        return QStringLiteral("Investigador Responsable");
    }

    TGrupo(TXMLProject& document, const QString& grupo);

    const QString& Grupo() const { return grupo_; }

    // Makes the first person with that CUIL the current one; appends a new person with that
    // CUIL (and no fields) when there is none.
    void SelectParticipante(const QString& cuil);
    // Appends a new person with that CUIL and makes it the current one, for a caller that knows
    // the group does not have the CUIL yet.
    void AppendParticipante(const QString& cuil);
    // Removes the first person with that CUIL; nothing when there is none. When that person was
    // the current one, there is no current person afterwards.
    void DeleteParticipante(const QString& cuil);

    // True once a person has been selected (and not deleted since).
    bool HasParticipante() const { return !current_.IsNull(); }
    // The current person's element; a null node when there is none.
    TXMLNode Participante() const { return current_; }

    // The current person's field: the text of its first child element of that name when that
    // element holds exactly one plain text node; empty otherwise (missing element, CDATA,
    // child elements, several nodes) and when there is no current person.
    QString GetField(const QString& name) const;
    // Stores the value when it differs from GetField: the first element of that name (appended
    // after the existing fields when missing) gets one text node with the value, also when the
    // value is empty. An empty value for a missing field creates nothing. Does nothing when
    // there is no current person. Filling an element that is there but empty does not mark the
    // document modified (text nodes never do), so callers save with force.
    void SetField(const QString& name, const QString& value);

    // Appends the field to the current person without looking for it first, for a person just
    // appended: what SetField writes there, and nothing for an empty value.
    void AppendField(const QString& name, const QString& value);
    // Number of persons: every child element of the group, whatever its name.
    int Count() const;
    // The CUIL of every person, in document order (empty for a person without the attribute).
    QStringList GetCuils() const;
    // True when a person has that CUIL.
    bool Contains(const QString& cuil) const;
    // For every person in document order, the person SelectParticipante picks for its CUIL:
    // itself, or the first person with the same CUIL. One pass over the group, for callers
    // that visit every person; the current person does not change.
    std::vector<TXMLNode> ParticipantesPorCuil() const;
    // A person's field, read as GetField reads the current one's.
    static QString FieldOf(const TXMLNode& participante, const QString& name);

    // CUIL of the first person, in document order, whose "rol" is "Investigador Responsable";
    // empty when there is none. The current person does not change.
    QString GetResponsableCuil() const;
    // "nroDocumento" of that person, who becomes the current one; empty, and the current person
    // unchanged, when there is none.
    QString GetResponsableDocumento();

  private:
    TXMLNode Element() const;
    TXMLNode FindByCuil(const QString& cuil) const;
    TXMLNode FindResponsable() const;

    TXMLProject& document_;
    QString grupo_;
    TXMLNode current_;
};
