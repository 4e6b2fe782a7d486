#include "app/emblem.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "app/app_style.h"

namespace zkc::app {

void PaintEmblem(QPainter& painter, const QRectF& bounds) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(bounds.width(), bounds.height());
    const QPointF centre = bounds.center();
    const auto square = [&](qreal fraction) {
        const qreal half = side * fraction / 2;
        return QRectF(centre.x() - half, centre.y() - half, 2 * half, 2 * half);
    };

    // Dark green tile with rounded corners.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWindowGreen);
    painter.drawRoundedRect(square(1.0), side * 0.14, side * 0.14);

    // Four nested squares, the rings of the chakra, and the diagonals along
    // which the runs enter.
    const QColor light = kFrameGreen;
    painter.setBrush(Qt::NoBrush);
    QPen pen(light, qMax<qreal>(1.0, side * 0.035));
    painter.setPen(pen);
    for (qreal f : {0.80, 0.60, 0.40}) {
        painter.drawRect(square(f));
    }
    const QRectF outer = square(0.80);
    const QRectF inner = square(0.40);
    pen.setWidthF(qMax<qreal>(0.75, side * 0.02));
    painter.setPen(pen);
    painter.drawLine(outer.topLeft(), inner.topLeft());
    painter.drawLine(outer.topRight(), inner.topRight());
    painter.drawLine(outer.bottomLeft(), inner.bottomLeft());
    painter.drawLine(outer.bottomRight(), inner.bottomRight());

    // A golden eight-petalled lotus in the innermost square.
    const QColor gold(0xF2, 0xC1, 0x4E);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    const qreal petal = side * 0.16;
    for (int i = 0; i < 8; ++i) {
        painter.save();
        painter.translate(centre);
        painter.rotate(i * 45.0);
        QPainterPath path;
        path.moveTo(0, 0);
        path.cubicTo(petal * 0.45, -petal * 0.35, petal * 0.35, -petal * 0.9, 0, -petal);
        path.cubicTo(-petal * 0.35, -petal * 0.9, -petal * 0.45, -petal * 0.35, 0, 0);
        painter.drawPath(path);
        painter.restore();
    }
    painter.setBrush(kWindowGreen);
    painter.drawEllipse(centre, side * 0.035, side * 0.035);
    painter.restore();
}

QPixmap EmblemPixmap(int size, qreal devicePixelRatio) {
    const int pixels = qCeil(size * devicePixelRatio);
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&pixmap);
    PaintEmblem(painter, QRectF(0, 0, size, size));
    return pixmap;
}

namespace {

// Draws the emblem at whatever size is asked for, when it is asked for.
class EmblemIconEngine : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        PaintEmblem(*painter, rect);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return EmblemPixmap(qMin(size.width(), size.height()));
    }
    QIconEngine* clone() const override { return new EmblemIconEngine; }
};

}  // namespace

QIcon EmblemIcon() {
    return QIcon(new EmblemIconEngine);
}

}  // namespace zkc::app
