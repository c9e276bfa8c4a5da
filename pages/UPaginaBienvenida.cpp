#include "pages/UPaginaBienvenida.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TPaginaBienvenida::TPaginaBienvenida(QWidget* parent)
    : QWidget(parent), bienvenidaMemo_(new QPlainTextEdit), versionLabel_(new QLabel) {
    setObjectName(QStringLiteral("bienvenidoTab"));
    // The page takes the focus the memo refuses.
    setFocusPolicy(Qt::ClickFocus);

    bienvenidaMemo_->setObjectName(QStringLiteral("bienvenidaMemo"));
    bienvenidaMemo_->setReadOnly(true);
    bienvenidaMemo_->setFrameShape(QFrame::NoFrame);
    bienvenidaMemo_->setFocusPolicy(Qt::ClickFocus); // no tab stop
    bienvenidaMemo_->setTabChangesFocus(true);
    QPalette palette = bienvenidaMemo_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    bienvenidaMemo_->setPalette(palette);
    bienvenidaMemo_->installEventFilter(this);

    auto* nameLabel = new QLabel(QStringLiteral("Velorn - Formulario Offline"));
    nameLabel->setObjectName(QStringLiteral("nombreLabel"));
    versionLabel_->setObjectName(QStringLiteral("versionLabel"));

    auto* signature = new QVBoxLayout;
    signature->addWidget(nameLabel, 0, Qt::AlignRight);
    signature->addWidget(versionLabel_, 0, Qt::AlignRight);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bienvenidaMemo_, 1);
    layout->addLayout(signature);
}

void TPaginaBienvenida::SetBienvenida(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    bienvenidaMemo_->setPlainText(lines);
}

void TPaginaBienvenida::SetVersion(const QString& text) {
    versionLabel_->setText(text);
}

void TPaginaBienvenida::bienvenidaMemoEnter() {
    setFocus(Qt::OtherFocusReason);
}

bool TPaginaBienvenida::eventFilter(QObject* watched, QEvent* event) {
    if (watched == bienvenidaMemo_ && event->type() == QEvent::FocusIn)
        bienvenidaMemoEnter();
    return QWidget::eventFilter(watched, event);
}
