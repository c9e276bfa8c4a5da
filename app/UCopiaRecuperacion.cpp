#include "app/UCopiaRecuperacion.h"

#include "document/UArchivoProyecto.h"
#include "document/URecuperacion.h"
#include "document/UXMLProject.h"

#include <QTimer>

#include <exception>
#include <utility>

namespace {

// How often pending edits are copied, besides every change of section.
constexpr int kIntervalo = 2 * 60 * 1000;

} // namespace

TCopiaRecuperacion::TCopiaRecuperacion(std::function<void(TXMLProject&)> escribir, QObject* parent)
    : QObject(parent), escribir_(std::move(escribir)), timer_(new QTimer(this)) {
    timer_->setObjectName(QStringLiteral("recuperacionTimer"));
    timer_->setInterval(kIntervalo);
    connect(timer_, &QTimer::timeout, this, [this] {
        Escribir();
        if (!edicionesPendientes_)
            timer_->stop();
    });
}

void TCopiaRecuperacion::MarcarEdicion() {
    edicionesPendientes_ = true;
    cambiosSinGuardar_ = true;
    if (!timer_->isActive())
        timer_->start();
}

void TCopiaRecuperacion::Escribir() {
    if (!edicionesPendientes_)
        return;
    // What a store would write, beside the project: the stored file itself is not touched.
    try {
        TXMLProject project(TArchivoProyecto::Nombre());
        escribir_(project);
        TArchivoProyecto::SetVerificado(project, false);
        if (TRecuperacion::Escribir(project.Serialize()))
            edicionesPendientes_ = false;
        project.Discard();
    } catch (const std::exception&) {
    }
}

void TCopiaRecuperacion::ProyectoEscrito() {
    if (!cambiosSinGuardar_)
        return;
    edicionesPendientes_ = true;
    Escribir();
}

void TCopiaRecuperacion::Guardado() {
    edicionesPendientes_ = false;
    cambiosSinGuardar_ = false;
    TRecuperacion::Eliminar();
}
