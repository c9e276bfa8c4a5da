#include "app/UAyuda.h"

#include "config/UTextosAyuda.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TForm2::TForm2(QWidget* parent)
    : QDialog(parent), Memo1_(new QPlainTextEdit), ListoButton_(new QPushButton),
      Salir1_(new QAction(this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Ayuda"));
    // Only the close box in the title bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(465, 227);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Memo1_->setObjectName(QStringLiteral("Memo1"));
    Memo1_->setReadOnly(true);
    Memo1_->setFocusPolicy(Qt::NoFocus);
    Memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1_->viewport()->setCursor(Qt::ArrowCursor);
    // Replaced by the topic before the window is shown.
    Memo1_->setPlainText(QStringLiteral("Memo1"));

    ListoButton_->setObjectName(QStringLiteral("ListoButton"));
    ListoButton_->setText(QStringLiteral("Listo"));
    connect(ListoButton_, &QPushButton::clicked, this, &QDialog::accept);

    Salir1_->setObjectName(QStringLiteral("Salir1"));
    Salir1_->setText(QStringLiteral("Salir"));
    Salir1_->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(Salir1_, &QAction::triggered, this, &QDialog::close);
    addAction(Salir1_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ListoButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1_, 1);
    layout->addLayout(buttons);
}

void TForm2::ShowTopic(const QString& keyword) {
    Memo1_->setPlainText(HelpTextFor(keyword));
}
