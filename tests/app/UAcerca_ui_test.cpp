// The about box, opened from the menu "Ayuda".
#include "ui_support/UPruebaVentana.h"

#include "app/UAcerca.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class AcercaTest : public TPruebaVentana {};

TEST_F(AcercaTest, ShowsNameAndVersionAndClosesWithAceptar) {
    Open();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<TForm3*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        seen = true;
        EXPECT_EQ(about->windowTitle(), "Acerca de...");
        EXPECT_EQ(about->size(), QSize(322, 174));
        EXPECT_EQ(about->findChild<QLabel*>("versionLabel")->text(), "Versión 2");
        QStringList texts;
        for (const QLabel* label : about->findChildren<QLabel*>())
            texts.append(label->text());
        EXPECT_TRUE(texts.contains("Velorn - Formulario Offline"));
        const QList<QPushButton*> buttons = about->findChildren<QPushButton*>();
        ASSERT_EQ(buttons.size(), 1);
        EXPECT_EQ(buttons.first()->text(), "&Aceptar");
        QTest::mouseClick(buttons.first(), Qt::LeftButton);
    });
    TriggerMenuItem("Acercade1");
    EXPECT_TRUE(seen);
    // The box is made for one showing and destroyed afterwards.
    EXPECT_TRUE(Form().findChildren<TForm3*>().isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
