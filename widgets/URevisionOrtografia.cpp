#include "widgets/URevisionOrtografia.h"

#include "ortografia/UOrtografia.h"
#include "widgets/UMenuOrtografia.h"
#include "widgets/UResaltadorOrtografia.h"

TRevisionOrtografia::TRevisionOrtografia(bool activa, QObject* parent)
    : QObject(parent), ortografia_(std::make_unique<TOrtografia>()), activa_(activa) {}

TRevisionOrtografia::~TRevisionOrtografia() {
    // The underlining uses the checkers that end here.
    for (const QPointer<TResaltadorOrtografia>& resaltador : resaltadores_)
        delete resaltador.data();
}

void TRevisionOrtografia::Revisar(QPlainTextEdit* memo, TIdioma idioma) {
    auto* resaltador = new TResaltadorOrtografia(memo, ortografia_.get(), idioma, activa_);
    auto* menu = new TMenuOrtografia(resaltador);
    connect(menu, &TMenuOrtografia::palabraConocida, this, &TRevisionOrtografia::RevisarDeNuevo);
    resaltadores_.append(resaltador);
}

void TRevisionOrtografia::SetActiva(bool activa) {
    activa_ = activa;
    for (const QPointer<TResaltadorOrtografia>& resaltador : resaltadores_) {
        if (resaltador)
            resaltador->SetActivo(activa);
    }
}

void TRevisionOrtografia::RevisarDeNuevo(TIdioma idioma) {
    for (const QPointer<TResaltadorOrtografia>& resaltador : resaltadores_) {
        if (resaltador && resaltador->Idioma() == idioma)
            resaltador->RevisarTodo();
    }
}
