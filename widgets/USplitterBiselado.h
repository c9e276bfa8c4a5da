#pragma once

#include <QSplitter>

// A splitter whose handles are bevelled, a light line on the left and a dark one on the right,
// so the user sees there is something to drag. Drawn by the handle itself: a style sheet would
// make every widget below the splitter a style-sheet client, polished again whenever it moves.
class TSplitterBiselado : public QSplitter {
    Q_OBJECT
  public:
    explicit TSplitterBiselado(Qt::Orientation orientation, QWidget* parent = nullptr);

  protected:
    QSplitterHandle* createHandle() override;
};
