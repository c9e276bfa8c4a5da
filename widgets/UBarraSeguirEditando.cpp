#include "widgets/UBarraSeguirEditando.h"

#include "widgets/UEtiquetaClic.h"

#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TBarraSeguirEditando::TBarraSeguirEditando(const QString& buttonName, const QString& imageName,
                                           QWidget* parent)
    : QWidget(parent), button_(new QPushButton(QStringLiteral("Seguir editando el proyecto"))),
      image_(new TEtiquetaClic) {
    button_->setObjectName(buttonName);
    image_->setObjectName(imageName);
    image_->setPixmap(style()->standardIcon(QStyle::SP_ArrowBack).pixmap(32, 32));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(image_, 0, Qt::AlignRight);
    layout->addWidget(button_, 0, Qt::AlignRight);
}
