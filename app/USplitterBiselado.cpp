#include "app/USplitterBiselado.h"

#include "app/UManijaBiselada.h"

TSplitterBiselado::TSplitterBiselado(Qt::Orientation orientation, QWidget* parent)
    : QSplitter(orientation, parent) {}

QSplitterHandle* TSplitterBiselado::createHandle() {
    return new TManijaBiselada(orientation(), this);
}
