#pragma once

#include "package/UProblemaZip.h"
#include "rules/UHallazgos.h"

#include <QString>

#include <optional>
#include <vector>

// What the verifier found in one input, a package or a project file.
struct TResultadoEntrada {
    enum class TTipo { Paquete, Proyecto };
    enum class TVeredicto { Aprobado, Observado, Ilegible };

    QString ruta;
    TTipo tipo = TTipo::Paquete;
    // Why the input could not be read at all; then nothing else was looked at.
    QString error;
    // The package's integrity and the document's, in the order they were checked.
    std::vector<TProblemaZip> problemas;
    // The flag the project was stored with; none when the document could not be read.
    std::optional<bool> verificadoGuardado;
    // A fresh verification, with the window's rules, messages and order.
    THallazgos hallazgos;

    TVeredicto Veredicto() const {
        if (!error.isEmpty())
            return TVeredicto::Ilegible;
        return problemas.empty() && hallazgos.IsEmpty() && verificadoGuardado == true
                   ? TVeredicto::Aprobado
                   : TVeredicto::Observado;
    }
};
