#include "app/UVigiaEdicion.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

namespace {

// The fields of a kind below the root, but for those below a widget left out.
template <class T> QList<T*> Campos(QWidget* root, const QList<QWidget*>& excluidos) {
    QList<T*> campos;
    for (T* campo : root->findChildren<T*>()) {
        bool excluido = false;
        for (const QWidget* fuera : excluidos)
            excluido = excluido || (fuera != nullptr && fuera->isAncestorOf(campo));
        if (!excluido)
            campos.append(campo);
    }
    return campos;
}

} // namespace

TVigiaEdicion::TVigiaEdicion(QWidget* root, const QList<QWidget*>& excluidos, QObject* parent)
    : QObject(parent) {
    for (QLineEdit* edit : Campos<QLineEdit>(root, excluidos)) {
        // A pick list's own line, or a date picker's, reports through its owner.
        if (qobject_cast<QComboBox*>(edit->parentWidget()) != nullptr ||
            qobject_cast<QAbstractSpinBox*>(edit->parentWidget()) != nullptr)
            continue;
        connect(edit, &QLineEdit::textEdited, this, &TVigiaEdicion::editado);
    }
    for (QComboBox* pickList : Campos<QComboBox>(root, excluidos))
        connect(pickList, &QComboBox::activated, this, &TVigiaEdicion::editado);
    // Multi-line texts and dates report the program's changes too: only those made while the
    // user works in the field count.
    for (QPlainTextEdit* memo : Campos<QPlainTextEdit>(root, excluidos)) {
        if (memo->isReadOnly())
            continue;
        connect(memo, &QPlainTextEdit::textChanged, this, [this, memo] {
            if (memo->hasFocus())
                emit editado();
        });
    }
    for (QDateTimeEdit* picker : Campos<QDateTimeEdit>(root, excluidos)) {
        connect(picker, &QDateTimeEdit::dateTimeChanged, this, [this, picker] {
            const QWidget* calendar = picker->calendarWidget();
            if (picker->hasFocus() || (calendar != nullptr && calendar->isVisible()))
                emit editado();
        });
    }
    for (QAbstractButton* check : Campos<QAbstractButton>(root, excluidos)) {
        if (check->isCheckable())
            connect(check, &QAbstractButton::clicked, this, &TVigiaEdicion::editado);
    }
}
