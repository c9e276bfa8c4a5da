#include "app/UGrupoAyuda.h"

TGrupoAyuda::TGrupoAyuda(const QString& name, const QString& caption, const QString& keyword,
                         QWidget* parent)
    : QGroupBox(caption, parent), helpKeyword_(keyword) {
    setObjectName(name);
}
