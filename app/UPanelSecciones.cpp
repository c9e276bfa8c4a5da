#include "app/UPanelSecciones.h"

#include "widgets/UEtiquetaClic.h"
#include "widgets/UGrupoAyuda.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int kAnchoPanel = 273;
constexpr int kAltoLogo = 70;

QPixmap Logo() {
    QPixmap logo(kAnchoPanel, kAltoLogo);
    logo.fill(QColor(0x1f, 0x4e, 0x79));
    QPainter painter(&logo);
    QFont font = painter.font();
    font.setPointSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("Velorn"));
    return logo;
}

} // namespace

TPanelSecciones::TPanelSecciones(QWidget* parent)
    : QFrame(parent), seccionList_(new QListWidget), AyudaLabel_(new TEtiquetaClic) {
    setObjectName(QStringLiteral("seccionesPanel"));
    resize(kAnchoPanel, height());

    auto* Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(Logo());
    Image1->setFixedHeight(kAltoLogo);
    // The logo never holds the panel wider than the user drags it.
    Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    Image1->setAlignment(Qt::AlignCenter);

    auto* Panel12 = new QFrame;
    Panel12->setObjectName(QStringLiteral("Panel12"));
    auto* Image3 = new QLabel;
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(16, 16));
    AyudaLabel_->setObjectName(QStringLiteral("AyudaLabel"));
    DisableAyuda();
    auto* help = new QHBoxLayout(Panel12);
    help->setContentsMargins(4, 2, 4, 2);
    help->addWidget(AyudaLabel_, 1);
    help->addWidget(Image3);

    auto* group = new QGroupBox(QStringLiteral("Secciones"));
    group->setObjectName(QStringLiteral("seccionesGroupBox"));
    seccionList_->setObjectName(QStringLiteral("seccionList"));
    seccionList_->setSortingEnabled(false);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(seccionList_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);
    layout->addWidget(Panel12);
    layout->addWidget(group, 1);
}

void TPanelSecciones::GroupBox6Enter(QObject* sender) {
    const auto* box = qobject_cast<const TGrupoAyuda*>(sender);
    if (box == nullptr || box->HelpKeyword().isEmpty()) {
        DisableAyuda();
        return;
    }
    AyudaLabel_->setEnabled(true);
    AyudaLabel_->setText(QStringLiteral("Ayuda con \"") + box->title() + QLatin1Char('"'));
    ayudaKeyword_ = box->HelpKeyword();
}

void TPanelSecciones::GroupBox6Exit(QObject*) {
    DisableAyuda();
}

// The link keeps the last keyword it was given; disabled, it opens nothing.
void TPanelSecciones::DisableAyuda() {
    AyudaLabel_->setEnabled(false);
    AyudaLabel_->setText(QStringLiteral("Ayuda con ..."));
}
