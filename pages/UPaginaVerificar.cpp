#include "pages/UPaginaVerificar.h"

#include "app/UBarraSeguirEditando.h"

#include <QVBoxLayout>

TPaginaVerificar::TPaginaVerificar(QWidget* parent)
    : QWidget(parent),
      barra_(new TBarraSeguirEditando(QStringLiteral("Button2"), QStringLiteral("Image2"))) {
    setObjectName(QStringLiteral("verificarTab"));
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(barra_, 0, Qt::AlignRight);
}
