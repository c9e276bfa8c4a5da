#include "pages/UPaginaDescripcionTecnica.h"

#include "app/UBarraSeguirEditando.h"

#include <QVBoxLayout>

TPaginaDescripcionTecnica::TPaginaDescripcionTecnica(QWidget* parent)
    : QWidget(parent),
      barra_(new TBarraSeguirEditando(QStringLiteral("Button9"), QStringLiteral("Image5"))) {
    setObjectName(QStringLiteral("descripcionTecnicaTab"));
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(barra_, 0, Qt::AlignRight);
}
