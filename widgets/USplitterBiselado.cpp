#include "widgets/USplitterBiselado.h"

#include "widgets/UManijaBiselada.h"

TSplitterBiselado::TSplitterBiselado(Qt::Orientation orientation, QWidget* parent)
    : QSplitter(orientation, parent) {}

QSplitterHandle* TSplitterBiselado::createHandle() {
    return new TManijaBiselada(orientation(), this);
}
