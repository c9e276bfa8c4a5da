#include "app/UIconoPrograma.h"

QIcon IconoPrograma() {
    QIcon icono;
    for (const int tamano : kTamanosIcono)
        icono.addFile(QStringLiteral(":/icono/velorn-%1.png").arg(tamano), QSize(tamano, tamano));
    return icono;
}
