#include "ortografia/URevisorOrtografia.h"

#include "ortografia/UDiccionario.h"
#include "ortografia/UVariantesEspanol.h"

TRevisorOrtografia::TRevisorOrtografia(TIdioma idioma, std::unique_ptr<TDiccionario> diccionario,
                                       const QString& listaPersonal)
    : idioma_(idioma), diccionario_(std::move(diccionario)), lista_(listaPersonal) {
    for (const QString& palabra : lista_.Palabras())
        diccionario_->Agregar(palabra);
}

TRevisorOrtografia::~TRevisorOrtografia() = default;

std::vector<TPalabraTexto> TRevisorOrtografia::Errores(QStringView texto) {
    std::vector<TPalabraTexto> errores;
    for (const TPalabraTexto& palabra : PalabrasTexto(texto)) {
        if (!Correcta(texto.sliced(palabra.inicio, palabra.largo).toString()))
            errores.push_back(palabra);
    }
    return errores;
}

bool TRevisorOrtografia::Correcta(const QString& palabra) {
    const auto vista = vistas_.constFind(palabra);
    if (vista != vistas_.constEnd())
        return *vista;
    // An accent typed as a separate mark is the same word as the accented letter.
    const bool correcta = diccionario_->Correcta(palabra.normalized(QString::NormalizationForm_C));
    vistas_.insert(palabra, correcta);
    return correcta;
}

QStringList TRevisorOrtografia::Sugerencias(const QString& palabra, int maximo) {
    const QString normal = palabra.normalized(QString::NormalizationForm_C);
    QStringList sugerencias;
    if (idioma_ == TIdioma::Espanol) {
        for (const QString& variante : VariantesEspanol(normal)) {
            if (sugerencias.size() < maximo && diccionario_->Correcta(variante))
                sugerencias.append(variante);
        }
    }
    for (const QString& sugerencia : diccionario_->Sugerencias(normal)) {
        if (sugerencias.size() < maximo && !sugerencias.contains(sugerencia))
            sugerencias.append(sugerencia);
    }
    return sugerencias;
}

bool TRevisorOrtografia::Agregar(const QString& palabra, QString* error) {
    Conocer(palabra);
    return lista_.Agregar(palabra, error);
}

void TRevisorOrtografia::Ignorar(const QString& palabra) {
    Conocer(palabra);
}

void TRevisorOrtografia::Conocer(const QString& palabra) {
    diccionario_->Agregar(palabra.normalized(QString::NormalizationForm_C));
    // Other forms of the word (with a capital at the start) may have been seen unknown.
    vistas_.clear();
}
