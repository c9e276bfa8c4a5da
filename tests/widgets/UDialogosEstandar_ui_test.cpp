// The standard dialogs: which captions the buttons get, and what each way of leaving returns.
#include "widgets/UDialogosEstandar.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

enum class TSalida { Pulsar, Esc, Cerrar };

struct TVisto {
    QString title;
    QString text;
    QStringList captions;
};

// Shows the dialog and, once it is up, records it and leaves it the given way (for Pulsar,
// through the button with that caption).
TBotonDialogo ShowAndLeave(const std::function<TBotonDialogo()>& show, TSalida salida,
                           const QString& caption, TVisto& visto) {
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        visto.title = box->windowTitle();
        visto.text = box->text();
        QPushButton* target = nullptr;
        // As the user sees them, left to right.
        QList<QAbstractButton*> buttons = box->buttons();
        std::sort(buttons.begin(), buttons.end(), [box](QAbstractButton* a, QAbstractButton* b) {
            return a->mapTo(box, QPoint()).x() < b->mapTo(box, QPoint()).x();
        });
        for (QAbstractButton* button : buttons) {
            if (!button->isVisible())
                continue;
            visto.captions.append(button->text());
            if (button->text() == caption)
                target = qobject_cast<QPushButton*>(button);
        }
        switch (salida) {
        case TSalida::Pulsar:
            ASSERT_NE(target, nullptr) << caption.toStdString();
            QTest::mouseClick(target, Qt::LeftButton);
            break;
        case TSalida::Esc:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        case TSalida::Cerrar:
            box->close();
            break;
        }
    });
    return show();
}

TEST(DialogosEstandarTest, CaptionsFollowTheButtonOrderAndLeavingCountsAsCancel) {
    using B = TBotonDialogo;
    const TBotonesDialogo siNoCancelar = B::Si | B::No | B::Cancelar;
    const struct {
        const char* name;
        TBotonesDialogo buttons;
        QStringList captions;
        TSalida salida;
        QString pressed;
        TBotonDialogo result;
        QStringList shown; // empty entries: a standard caption
    } cases[] = {
        {"si",
         siNoCancelar,
         {"&Si", "&No", "&Cancelar"},
         TSalida::Pulsar,
         "&Si",
         B::Si,
         {"&Si", "&No", "&Cancelar"}},
        {"no",
         siNoCancelar,
         {"&Si", "&No", "&Cancelar"},
         TSalida::Pulsar,
         "&No",
         B::No,
         {"&Si", "&No", "&Cancelar"}},
        {"cancelar",
         siNoCancelar,
         {"&Si", "&No", "&Cancelar"},
         TSalida::Pulsar,
         "&Cancelar",
         B::Cancelar,
         {"&Si", "&No", "&Cancelar"}},
        {"esc",
         siNoCancelar,
         {"&Si", "&No", "&Cancelar"},
         TSalida::Esc,
         "",
         B::Cancelar,
         {"&Si", "&No", "&Cancelar"}},
        {"close box",
         siNoCancelar,
         {"&Si", "&No", "&Cancelar"},
         TSalida::Cerrar,
         "",
         B::Cancelar,
         {"&Si", "&No", "&Cancelar"}},
        // Captions go by position in the order yes, no, OK, cancel, not by meaning.
        {"ok and cancel",
         B::Cancelar | B::Aceptar,
         {"Aceptar", "Cancelar"},
         TSalida::Pulsar,
         "Aceptar",
         B::Aceptar,
         {"Aceptar", "Cancelar"}},
        {"too few captions",
         B::Aceptar | B::Cancelar,
         {"Aceptar"},
         TSalida::Pulsar,
         "Aceptar",
         B::Aceptar,
         {"Aceptar", ""}},
        {"too many captions",
         B::Aceptar,
         {"Aceptar", "Sobra"},
         TSalida::Pulsar,
         "Aceptar",
         B::Aceptar,
         {"Aceptar"}},
        {"one button, esc", B::Aceptar, {"Aceptar"}, TSalida::Esc, "", B::Cancelar, {"Aceptar"}},
        {"yes and no, closed",
         B::Si | B::No,
         {"Uno", "Dos"},
         TSalida::Cerrar,
         "",
         B::Cancelar,
         {"Uno", "Dos"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TDialogosEstandar dialogs;
        TVisto visto;
        const TBotonDialogo result = ShowAndLeave(
            [&] {
                return dialogs.ShowCaptionedDialog("Mensaje", "Título", TTipoDialogo::Confirmacion,
                                                   c.captions, c.buttons);
            },
            c.salida, c.pressed, visto);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(visto.title, "Título");
        EXPECT_EQ(visto.text, "Mensaje");
        ASSERT_EQ(visto.captions.size(), c.shown.size());
        for (qsizetype i = 0; i < c.shown.size(); ++i) {
            if (c.shown.at(i).isEmpty())
                EXPECT_FALSE(visto.captions.at(i).isEmpty()) << "standard caption kept";
            else
                EXPECT_EQ(visto.captions.at(i), c.shown.at(i));
        }
    }
}

TEST(DialogosEstandarTest, WithoutTitleTheKindGivesIt) {
    const struct {
        TTipoDialogo kind;
        QString title;
    } cases[] = {
        {TTipoDialogo::Advertencia, "Advertencia"},
        {TTipoDialogo::Error, "Error"},
        {TTipoDialogo::Informacion, "Información"},
        {TTipoDialogo::Confirmacion, "Confirmación"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        TDialogosEstandar dialogs;
        TVisto visto;
        ShowAndLeave(
            [&] {
                return dialogs.ShowCaptionedDialog("Texto", QString(), c.kind, {"Aceptar"},
                                                   TBotonDialogo::Aceptar);
            },
            TSalida::Pulsar, "Aceptar", visto);
        EXPECT_EQ(visto.title, c.title);
    }
}

TEST(DialogosEstandarTest, NoticesShowTheirTextWithOneButton) {
    TDialogosEstandar dialogs;
    for (const bool error : {false, true}) {
        SCOPED_TRACE(error);
        TVisto visto;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            visto.text = box->text();
            ASSERT_EQ(box->buttons().size(), 1);
            QTest::mouseClick(qobject_cast<QPushButton*>(box->buttons().first()), Qt::LeftButton);
        });
        if (error)
            dialogs.ShowError("Algo falló.");
        else
            dialogs.ShowInformation("Todo bien.");
        EXPECT_EQ(visto.text, error ? "Algo falló." : "Todo bien.");
    }
}

} // namespace
