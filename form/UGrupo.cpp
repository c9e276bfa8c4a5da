#include "form/UGrupo.h"

#include <QHash>

namespace {
const QString kCuil = QStringLiteral("cuil");
const QString kRol = QStringLiteral("rol");
const QString kNroDocumento = QStringLiteral("nroDocumento");
const QString kParticipante = QStringLiteral("participante");
} // namespace

TGrupo::TGrupo(TXMLProject& document, const QString& grupo) : document_(document), grupo_(grupo) {}

TXMLNode TGrupo::Element() const {
    return document_.GetNode(grupo_ + QLatin1Char('/'));
}

// A person without the attribute has the empty CUIL.
TXMLNode TGrupo::FindByCuil(const QString& cuil) const {
    for (const TXMLNode& participante : Element().Children()) {
        if (participante.Attribute(kCuil) == cuil)
            return participante;
    }
    return TXMLNode();
}

void TGrupo::SelectParticipante(const QString& cuil) {
    current_ = FindByCuil(cuil);
    if (!current_.IsNull())
        return;
    AppendParticipante(cuil);
}

void TGrupo::AppendParticipante(const QString& cuil) {
    current_ = Element().AppendChild(kParticipante);
    current_.SetAttribute(kCuil, cuil);
}

void TGrupo::DeleteParticipante(const QString& cuil) {
    const TXMLNode participante = FindByCuil(cuil);
    if (participante.IsNull())
        return;
    if (participante == current_)
        current_ = TXMLNode();
    Element().RemoveChild(participante);
}

QString TGrupo::FieldOf(const TXMLNode& participante, const QString& name) {
    const TXMLNode field = participante.FirstChild(name);
    return field.HoldsPlainText() ? field.Text() : QString();
}

QString TGrupo::GetField(const QString& name) const {
    return FieldOf(current_, name);
}

void TGrupo::SetField(const QString& name, const QString& value) {
    if (current_.IsNull() || GetField(name) == value)
        return;
    TXMLNode field = current_.FirstChild(name);
    if (field.IsNull())
        field = current_.AppendChild(name);
    field.RemoveAllChildren();
    document_.AppendText(field, value);
}

void TGrupo::AppendField(const QString& name, const QString& value) {
    if (current_.IsNull() || value.isEmpty())
        return;
    document_.AppendText(current_.AppendChild(name), value);
}

int TGrupo::Count() const {
    return Element().ChildCount();
}

QStringList TGrupo::GetCuils() const {
    QStringList cuils;
    for (const TXMLNode& participante : Element().Children())
        cuils.append(participante.Attribute(kCuil));
    return cuils;
}

bool TGrupo::Contains(const QString& cuil) const {
    return !FindByCuil(cuil).IsNull();
}

std::vector<TXMLNode> TGrupo::ParticipantesPorCuil() const {
    const std::vector<TXMLNode> participantes = Element().Children();
    std::vector<TXMLNode> elegidos;
    elegidos.reserve(participantes.size());
    QHash<QString, TXMLNode> primeros;
    primeros.reserve(qsizetype(participantes.size()));
    for (const TXMLNode& participante : participantes) {
        // The first person with a CUIL stays the one every later holder of it maps to.
        const QString cuil = participante.Attribute(kCuil);
        auto primero = primeros.constFind(cuil);
        if (primero == primeros.constEnd())
            primero = primeros.insert(cuil, participante);
        elegidos.push_back(primero.value());
    }
    return elegidos;
}

TXMLNode TGrupo::FindResponsable() const {
    for (const TXMLNode& participante : Element().Children()) {
        if (FieldOf(participante, kRol) == RolInvestigadorResponsable())
            return participante;
    }
    return TXMLNode();
}

QString TGrupo::GetResponsableCuil() const {
    return FindResponsable().Attribute(kCuil);
}

QString TGrupo::GetResponsableDocumento() {
    const TXMLNode responsable = FindResponsable();
    if (responsable.IsNull())
        return QString();
    SelectParticipante(responsable.Attribute(kCuil));
    return GetField(kNroDocumento);
}
