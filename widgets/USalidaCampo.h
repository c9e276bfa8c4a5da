#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs an action each time the focus leaves a control for another control of the same window:
// by Tab, by a click, or because the program moved it. Switching to another window, opening
// a popup or entering the menu bar with Alt is no exit; the control still has the focus when
// its window is back.
class TSalidaCampo : public QObject {
    Q_OBJECT
  public:
    // Watches the control, which owns the watcher.
    static void OnExit(QWidget* control, std::function<void()> action);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TSalidaCampo(QWidget* control, std::function<void()> action);

    std::function<void()> action_;
};
