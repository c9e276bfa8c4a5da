#pragma once

#include <QString>
#include <QStringList>

class TConfiguracion;
class TXMLProject;

// The rules a project must satisfy before its cover pages may be printed and it may be sent.
// They read the stored project document only (never the window), plus the configuration for
// the call type and the working folder for the technical description; they never change the
// document. Every broken rule adds one entry to the message list, in a fixed order; an entry
// of several lines has them joined by a carriage return (character 13). An empty list means
// the project passed.
class TRestricciones {
  public:
    // The seven groups below, in this order; none stops the others.
    void CheckAll(TXMLProject& document, QStringList& list,
                  const TConfiguracion& configuracion) const;

    // Budget rules (empty budget, empty years, subsidy versus counterpart, rubro ranges,
    // yearly ceiling, shares).
    void CheckPresupuesto(TXMLProject& document, QStringList& list,
                          const TConfiguracion& configuracion) const;
    // The responsible group has an "Investigador Responsable".
    void CheckResponsable(TXMLProject& document, QStringList& list) const;
    // The attached technical description is a file in "desctec/" of the working folder.
    void CheckDescripcionTecnica(TXMLProject& document, QStringList& list) const;
    // Call, general data and text pages; the impact texts asked for depend on the call type.
    void CheckProyecto(TXMLProject& document, QStringList& list,
                       const TConfiguracion& configuracion) const;
    // Institution records; the beneficiary's CUIT/CUIL must also pass its check digit.
    void CheckBeneficiaria(TXMLProject& document, QStringList& list) const;
    void CheckDependencia(TXMLProject& document, QStringList& list) const;
    void CheckEjecutora(TXMLProject& document, QStringList& list) const;

    // Adds the message when the text is empty; returns whether it did.
    static bool AddIfEmpty(const QString& text, const QString& message, QStringList& list);
    // Adds "El campo " + label + suffix when the text is empty; returns whether it did.
    static bool AddIfEmptyField(const QString& text, const QString& label, const QString& suffix,
                                QStringList& list);

    // The call type of the stored call caption ("doc-name" of the call element); empty when no
    // call was chosen or the caption is not one of the configured calls.
    static QString ConvocatoriaType(TXMLProject& document, const TConfiguracion& configuracion);
};
