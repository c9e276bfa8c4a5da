#pragma once

#include "rules/UHallazgos.h"

#include <QString>

#include <functional>
#include <utility>

class TConfiguracion;
class TXMLProject;

// The rules a project must satisfy before its cover pages may be printed and it may be sent.
// They read the stored project document only (never the window), plus the configuration for
// the call type and the working folder for the technical description; they never change the
// document. Every broken rule adds one finding to the list, in a fixed order: its message (an
// entry of several lines has them joined by a carriage return, character 13) and the field it
// leads to. An empty list means the project passed.
class TRestricciones {
  public:
    // Whether the technical description of that stored name is attached.
    using TAdjunta = std::function<bool(const QString& nombre)>;

    // The attached copy is looked for in "desctec/" of the working folder.
    TRestricciones() = default;
    // Elsewhere: in a package, or beside another project file.
    explicit TRestricciones(TAdjunta adjunta) : adjunta_(std::move(adjunta)) {}

    // The seven groups below, in this order; none stops the others.
    void CheckAll(TXMLProject& document, THallazgos& list,
                  const TConfiguracion& configuracion) const;

    // Budget rules (empty budget, empty years, subsidy versus counterpart, rubro ranges,
    // yearly ceiling, shares).
    void CheckPresupuesto(TXMLProject& document, THallazgos& list,
                          const TConfiguracion& configuracion) const;
    // The responsible group has an "Investigador Responsable".
    void CheckResponsable(TXMLProject& document, THallazgos& list) const;
    // The attached technical description is a file in "desctec/" of the working folder, or
    // wherever the constructor's function looks.
    void CheckDescripcionTecnica(TXMLProject& document, THallazgos& list) const;
    // Call, general data and text pages; the impact texts asked for depend on the call type.
    void CheckProyecto(TXMLProject& document, THallazgos& list,
                       const TConfiguracion& configuracion) const;
    // Institution records; the beneficiary's CUIT/CUIL must also pass its check digit.
    void CheckBeneficiaria(TXMLProject& document, THallazgos& list) const;
    void CheckDependencia(TXMLProject& document, THallazgos& list) const;
    void CheckEjecutora(TXMLProject& document, THallazgos& list) const;

    // Adds the message, leading to the field, when the text is empty; returns whether it did.
    static bool AddIfEmpty(const QString& text, const QString& message, const TDestino& destino,
                           THallazgos& list);
    // Adds "El campo " + label + suffix when the text is empty; returns whether it did.
    static bool AddIfEmptyField(const QString& text, const QString& label, const QString& suffix,
                                const TDestino& destino, THallazgos& list);

    // The call type of the stored call caption ("doc-name" of the call element); empty when no
    // call was chosen or the caption is not one of the configured calls.
    static QString ConvocatoriaType(TXMLProject& document, const TConfiguracion& configuracion);

  private:
    TAdjunta adjunta_;
};
