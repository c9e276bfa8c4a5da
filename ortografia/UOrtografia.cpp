#include "ortografia/UOrtografia.h"

#include "ortografia/UDiccionario.h"
#include "ortografia/URevisorOrtografia.h"
#include "ortografia/UUbicacionDiccionarios.h"

TOrtografia::TOrtografia() = default;
TOrtografia::~TOrtografia() = default;

TRevisorOrtografia* TOrtografia::Revisor(TIdioma idioma) {
    TEntrada& entrada = idioma == TIdioma::Espanol ? espanol_ : ingles_;
    if (!entrada.buscado) {
        entrada.buscado = true;
        const QString aff = BuscarDiccionario(idioma);
        if (!aff.isEmpty()) {
            if (auto diccionario = TDiccionario::Abrir(aff, ArchivoDic(aff)))
                entrada.revisor = std::make_unique<TRevisorOrtografia>(
                    idioma, std::move(diccionario), RutaListaPersonal(idioma));
        }
    }
    return entrada.revisor.get();
}
