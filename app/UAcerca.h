#pragma once

#include <QDialog>

class QLabel;

// The about box: the program's name and version.
class TForm3 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm3(QWidget* parent = nullptr);

    QLabel* versionLabel() const { return versionLabel_; }

  private:
    QLabel* versionLabel_;
};
