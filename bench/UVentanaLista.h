#pragma once

// The moment the start-up benchmark measures to: the window shown and painted, then one line
// "listo" on the standard output. The same for the program and for the bare window.

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <cstdio>

inline void MostrarHastaLista(QWidget& window) {
    window.show();
    do
        QApplication::processEvents();
    while (!window.windowHandle() || !window.windowHandle()->isExposed());
    // The expose posts the first paint; this pass delivers it.
    QApplication::processEvents();
    std::fputs("listo\n", stdout);
    std::fflush(stdout);
}
