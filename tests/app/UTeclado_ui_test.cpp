// The test helper that types like a user, since the later pages are tested through it.
#include "ui_support/UTeclado.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace {

TEST(TecladoTest, TypesAccentedTextIntoEditors) {
    const QString text = "Córdoba, Neuquén: año 2º ¿sí? Ñandú";
    QLineEdit line;
    TypeText(&line, text);
    EXPECT_EQ(line.text(), text);

    QPlainTextEdit memo;
    TypeText(&memo, text);
    EXPECT_EQ(memo.toPlainText(), text);
}

} // namespace
