#include "widgets/UCampoCuit.h"

#include "ids/UCuitWeb.h"
#include "widgets/UEditLimitado.h"
#include "widgets/USalidaCampo.h"

#include <QHBoxLayout>
#include <QLabel>

#include <utility>

namespace {

const QString kCaption = QStringLiteral("CUIT/CUIL  (sin guiones)");

} // namespace

TCampoCuit::TCampoCuit(const QString& nombreEdit, const QString& nombreVeredicto,
                       std::function<void()> alSalir, QObject* parent)
    : QObject(parent), etiqueta_(new QWidget), veredicto_(new QLabel),
      edit_(new TEditLimitado(nombreEdit)) {
    auto* layout = new QHBoxLayout(etiqueta_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(kCaption));
    veredicto_->setObjectName(nombreVeredicto);
    veredicto_->setStyleSheet(QStringLiteral("color: red;"));
    layout->addWidget(veredicto_);
    // The verdict beside the caption is no part of the field's name.
    edit_->setAccessibleName(kCaption);
    TSalidaCampo::OnExit(edit_, std::move(alSalir));
}

void TCampoCuit::Comprobar() {
    veredicto_->setText(TCuitWeb().IsValidCuit(edit_->text())
                            ? QString()
                            : QStringLiteral("El cuil ingresado no es válido"));
}
