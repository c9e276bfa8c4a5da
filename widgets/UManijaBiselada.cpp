#include "widgets/UManijaBiselada.h"

#include <QPainter>

QSize TManijaBiselada::sizeHint() const {
    return QSplitterHandle::sizeHint() + QSize(2, 0);
}

void TManijaBiselada::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(QRect(area.left(), area.top(), 1, area.height()),
                     palette().color(QPalette::Light));
    painter.fillRect(QRect(area.right(), area.top(), 1, area.height()),
                     palette().color(QPalette::Dark));
}
