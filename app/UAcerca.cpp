#include "app/UAcerca.h"

#include "app/UIconoPrograma.h"
#include "app/UVersionPrograma.h"

#include <QGuiApplication>
#include <QHBoxLayout>
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
    // The program's own version, beside the version of the form it fills.
    auto* programaLabel =
        new QLabel(QStringLiteral("(programa %1)").arg(QString::fromLatin1(kVersionPrograma)));
    programaLabel->setObjectName(QStringLiteral("versionProgramaLabel"));
    auto* iconoLabel = new QLabel;
    iconoLabel->setObjectName(QStringLiteral("iconoLabel"));
    iconoLabel->setPixmap(IconoPrograma().pixmap(48, 48));
    auto* button = new QPushButton(QStringLiteral("&Aceptar"));
    button->setObjectName(QStringLiteral("Button1"));
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &QDialog::accept);

    auto* versionRow = new QHBoxLayout;
    versionRow->addStretch(1);
    versionRow->addWidget(versionLabel_);
    versionRow->addWidget(programaLabel);
    versionRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(iconoLabel, 0, Qt::AlignCenter);
    layout->addWidget(nameLabel, 0, Qt::AlignCenter);
    layout->addLayout(versionRow);
    layout->addStretch(1);
    layout->addWidget(button, 0, Qt::AlignCenter);

    setFixedSize(322, 174);
    // Centred on the screen, not on the main window.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
