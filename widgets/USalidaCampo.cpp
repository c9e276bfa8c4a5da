#include "widgets/USalidaCampo.h"

#include <QFocusEvent>
#include <QWidget>

TSalidaCampo::TSalidaCampo(QWidget* control, std::function<void()> action)
    : QObject(control), action_(std::move(action)) {
    control->installEventFilter(this);
}

void TSalidaCampo::OnExit(QWidget* control, std::function<void()> action) {
    new TSalidaCampo(control, std::move(action));
}

bool TSalidaCampo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // The menu bar takes the keys on Alt and gives them back; the field was not left.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            reason != Qt::MenuBarFocusReason)
            action_();
    }
    return QObject::eventFilter(watched, event);
}
