#pragma once

#include <QString>

class QWidget;

// Types the text into the widget one key at a time, accented letters included (QTest's
// keyClicks only takes plain ASCII).
void TypeText(QWidget* widget, const QString& text);
