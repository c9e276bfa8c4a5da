#pragma once

#include <QObject>

class QTabWidget;

// Keeps the keys that move between the pages of a tab control (Ctrl+Tab, Ctrl+Shift+Tab,
// Ctrl+PgUp, Ctrl+PgDn) away from a control whose tab headers are hidden: its pages are chosen
// by the program's commands alone, which also do what goes with showing each page.
class TTeclasPaginas : public QObject {
    Q_OBJECT
  public:
    // Watches the control, which owns the watcher.
    static void Bloquear(QTabWidget* pages);
    // True for a key press that moves between pages.
    static bool MuevePagina(const QEvent* event);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit TTeclasPaginas(QTabWidget* pages);
};
