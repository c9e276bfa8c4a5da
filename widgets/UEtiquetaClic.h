#pragma once

#include <QLabel>

// A label (text or image) that reacts to a click like a link: hand cursor, no focus.
class TEtiquetaClic : public QLabel {
    Q_OBJECT
  public:
    explicit TEtiquetaClic(QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};
