#include "app/UFocoGrupos.h"

#include "widgets/UGrupoAyuda.h"

#include <QApplication>
#include <QList>

namespace {

// The help group boxes holding the widget, innermost first.
QList<TGrupoAyuda*> BoxesAround(QWidget* widget) {
    QList<TGrupoAyuda*> boxes;
    for (QWidget* w = widget; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
        if (auto* box = qobject_cast<TGrupoAyuda*>(w))
            boxes.append(box);
    }
    return boxes;
}

} // namespace

TFocoGrupos::TFocoGrupos(QWidget* window) : QObject(window), window_(window) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

void TFocoGrupos::FocusChanged(QWidget* now) {
    // Focus going to another window (a dialog, the help window) or to none leaves this
    // window's controls as they were.
    if (now == nullptr || now->window() != window_)
        return;
    const QList<TGrupoAyuda*> before = BoxesAround(last_);
    const QList<TGrupoAyuda*> after = BoxesAround(now);
    last_ = now;
    for (TGrupoAyuda* box : before) {
        if (!after.contains(box))
            emit GroupBoxExit(box);
    }
    for (auto it = after.crbegin(); it != after.crend(); ++it) {
        if (!before.contains(*it))
            emit GroupBoxEnter(*it);
    }
}
