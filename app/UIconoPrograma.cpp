#include "app/UIconoPrograma.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <map>

namespace {

class TMotorIcono final : public QIconEngine {
  public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        // The smallest picture that fills the size, else the largest, scaled.
        int elegido = kTamanosIcono[std::size(kTamanosIcono) - 1];
        for (const int tamano : kTamanosIcono) {
            if (tamano >= qMax(size.width(), size.height())) {
                elegido = tamano;
                break;
            }
        }
        QPixmap& leido = leidos_[elegido];
        if (leido.isNull())
            leido.load(QStringLiteral(":/icono/velorn-%1.png").arg(elegido), "PNG");
        if (leido.isNull() || leido.size() == size)
            return leido;
        return leido.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int tamano : kTamanosIcono)
            sizes.append(QSize(tamano, tamano));
        return sizes;
    }

    QIconEngine* clone() const override { return new TMotorIcono(*this); }
    QString key() const override { return QStringLiteral("TMotorIcono"); }

  private:
    std::map<int, QPixmap> leidos_;
};

} // namespace

QIcon IconoPrograma() {
    return QIcon(new TMotorIcono);
}
