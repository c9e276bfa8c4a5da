#include "widgets/UAbrirConPrograma.h"

#include "config/UConfiguracion.h"
#include "widgets/UAbridorEstandar.h"
#include "widgets/UDialogos.h"

namespace {
std::unique_ptr<TAbridor>& Current() {
    static std::unique_ptr<TAbridor> current;
    return current;
}
} // namespace

TAbridor& Abridor() {
    if (!Current())
        Current() = std::make_unique<TAbridorEstandar>();
    return *Current();
}

void SetAbridor(std::unique_ptr<TAbridor> abridor) {
    Current() = std::move(abridor);
}

void OpenWithConfiguredProgram(const TConfiguracion& configuracion, const QString& name,
                               const QString& path) {
    // A "wrapper.xml" that cannot be read is reported like any other error; nothing is opened
    // and the window stays as it was.
    QString program;
    if (!RunShowingErrors([&] { program = configuracion.GetEjecutarSoft(name); }))
        return;
    if (program.isEmpty())
        Abridor().OpenWithDefault(path);
    else
        Abridor().StartProgram(program, path);
}
