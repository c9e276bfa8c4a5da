#include "app/UTeclasPaginas.h"

#include <QKeyEvent>
#include <QTabWidget>

TTeclasPaginas::TTeclasPaginas(QTabWidget* pages) : QObject(pages) {
    pages->installEventFilter(this);
}

void TTeclasPaginas::Bloquear(QTabWidget* pages) {
    new TTeclasPaginas(pages);
}

bool TTeclasPaginas::MuevePagina(const QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (!key->modifiers().testFlag(Qt::ControlModifier))
        return false;
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

bool TTeclasPaginas::eventFilter(QObject* watched, QEvent* event) {
    if (MuevePagina(event)) {
        // Taken here, so neither this control nor the ones around it change page.
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
