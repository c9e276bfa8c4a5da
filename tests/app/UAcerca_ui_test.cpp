// The about box, opened from the menu "Ayuda".
#include "ui_support/UPruebaVentana.h"

#include "app/UAcerca.h"
#include "app/UIconoPrograma.h"

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
        // The program's version is the build's, shown beside the form's.
        EXPECT_EQ(about->findChild<QLabel*>("versionProgramaLabel")->text(),
                  QStringLiteral("(programa " VELORN_VERSION_CMAKE ")"));
        EXPECT_FALSE(about->findChild<QLabel*>("iconoLabel")->pixmap().isNull());
        EXPECT_FALSE(about->windowIcon().isNull());
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

// Every size the icon is rendered at is carried in the program, so no window falls back to the
// platform's default icon; the main window has it.
TEST_F(AcercaTest, ProgramIconAtEverySize) {
    Open();
    const QIcon icono = IconoPrograma();
    EXPECT_EQ(icono.availableSizes().size(), static_cast<int>(std::size(kTamanosIcono)));
    for (const int tamano : kTamanosIcono) {
        const QImage imagen = icono.pixmap(QSize(tamano, tamano)).toImage();
        ASSERT_EQ(imagen.size(), QSize(tamano, tamano)) << tamano;
        // Transparent corners, a drawn middle.
        EXPECT_EQ(qAlpha(imagen.pixel(0, 0)), 0) << tamano;
        EXPECT_EQ(qAlpha(imagen.pixel(tamano / 2, tamano / 2)), 255) << tamano;
    }
    EXPECT_EQ(Form().windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    EXPECT_FALSE(Form().windowIcon().isNull());
}

} // namespace
