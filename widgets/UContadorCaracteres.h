#pragma once

#include <QLabel>

#include <functional>

// The count of characters of a limited field, shown under it ("11.850 / 12.000") while the
// field has the focus or is over 90 % full, so the user sees how much room is left.
class TContadorCaracteres : public QLabel {
    Q_OBJECT
  public:
    // Follows the field; the limit and the length are asked anew at every change. A limit of 0
    // shows nothing.
    TContadorCaracteres(QWidget* field, std::function<int()> limite, std::function<int()> largo,
                        QWidget* parent = nullptr);

    // Brings the count up to date with the field.
    void Actualizar();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* field_;
    std::function<int()> limite_;
    std::function<int()> largo_;
};
