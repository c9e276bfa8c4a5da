#include "pages/UMemoLimitado.h"

#include "widgets/UEditLimitado.h"

#include <QTextCursor>

TMemoLimitado::TMemoLimitado(const QString& name, QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(name);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &TMemoLimitado::Limit);
}

void TMemoLimitado::SetText(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    limiting_ = true;
    setPlainText(lines);
    limiting_ = false;
    length_ = int(toPlainText().size());
}

void TMemoLimitado::Limit() {
    const int length = int(document()->characterCount()) - 1;
    if (!limiting_ && maxLength_ > 0 && length > maxLength_ && length > length_) {
        // What was just typed or pasted ends at the cursor: its end is cut off.
        const int excess = length - qMax(maxLength_, length_);
        QTextCursor cursor = textCursor();
        const int end = cursor.position();
        limiting_ = true;
        cursor.setPosition(qMax(0, end - excess));
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        setTextCursor(cursor);
        limiting_ = false;
        // A paste that lost characters says so; one character typed too many does not.
        if (length - length_ > 1)
            AvisarTextoRecortado(maxLength_, excess);
    }
    length_ = int(document()->characterCount()) - 1;
}
