#pragma once

#include <QSplitterHandle>

// A splitter handle drawn as a bevel: a light line along its left edge and a dark one along its
// right edge, like a left and right border; the rest shows the window behind it.
class TManijaBiselada : public QSplitterHandle {
    Q_OBJECT
  public:
    using QSplitterHandle::QSplitterHandle;

    // The splitter's handle width plus the two lines, which lie outside it as borders do.
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
