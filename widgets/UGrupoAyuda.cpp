#include "widgets/UGrupoAyuda.h"

#include "widgets/UNombresAccesibles.h"

TGrupoAyuda::TGrupoAyuda(const QString& name, const QString& caption, const QString& keyword,
                         QWidget* parent)
    : QGroupBox(caption, parent), helpKeyword_(keyword) {
    setObjectName(name);
}

void TGrupoAyuda::SetCaption(const QString& caption) {
    setTitle(caption);
    for (QWidget* child : findChildren<QWidget*>()) {
        if (TNombresAccesibles::EsCampo(child))
            child->setAccessibleName(caption);
    }
}
