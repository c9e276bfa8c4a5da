#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class TGrupoAyuda;

// Tells when the focus enters or leaves a help group box (TGrupoAyuda) of one window. Moving
// the focus to another window and back is no change: the window keeps its focused control. On
// every move the boxes left are reported before the boxes entered.
class TFocoGrupos : public QObject {
    Q_OBJECT
  public:
    // Watches the focus inside window, which also owns this object.
    explicit TFocoGrupos(QWidget* window);

  signals:
    void GroupBoxEnter(TGrupoAyuda* box);
    void GroupBoxExit(TGrupoAyuda* box);

  private:
    void FocusChanged(QWidget* now);

    QWidget* window_;
    // The control of the window that had the focus last.
    QPointer<QWidget> last_;
};
