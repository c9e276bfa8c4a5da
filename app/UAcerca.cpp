#include "app/UAcerca.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TForm3::TForm3(QWidget* parent) : QDialog(parent), versionLabel_(new QLabel) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Acerca de..."));

    auto* nameLabel = new QLabel(QStringLiteral("Velorn - Formulario Offline"));
    nameLabel->setObjectName(QStringLiteral("nombreLabel"));
    QFont bold = nameLabel->font();
    bold.setBold(true);
    nameLabel->setFont(bold);
    versionLabel_->setObjectName(QStringLiteral("versionLabel"));
    auto* button = new QPushButton(QStringLiteral("&Aceptar"));
    button->setObjectName(QStringLiteral("Button1"));
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameLabel, 0, Qt::AlignCenter);
    layout->addWidget(versionLabel_, 0, Qt::AlignCenter);
    layout->addStretch(1);
    layout->addWidget(button, 0, Qt::AlignCenter);

    setFixedSize(322, 174);
    // Centred on the screen, not on the main window.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
