#include "ui_support/UTeclado.h"

#include <QTest>

void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const QString key(c);
        // A letter's key code is only a hint; the text is what the widget inserts.
        const Qt::Key code = c.unicode() < 0x80 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Press, widget, code, key, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, code, key, Qt::NoModifier);
    }
}
