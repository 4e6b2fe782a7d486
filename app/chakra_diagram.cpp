#include "app/chakra_diagram.h"

#include <QFont>
#include <QPainter>

#include "app/result_page.h"

namespace zkc::app {
namespace {

const QColor kInnermostGreen(0xF4, 0xFF, 0xE8);
const QColor kDiagonalGreen(0x40, 0x80, 0x40);

}  // namespace

std::array<QRectF, 4> ChakraSquares(double side) {
    const double band = side / 9;
    std::array<QRectF, 4> squares;
    for (int k = 0; k < 4; ++k) {
        squares[static_cast<std::size_t>(k)] =
            QRectF(k * band, k * band, side - 2 * k * band, side - 2 * k * band);
    }
    return squares;
}

std::array<QPointF, 28> ChakraPlaceCentres(double side) {
    const double band = side / 9;
    std::array<QPointF, 28> centres;
    const auto put = [&centres](int place, QPointF centre) {
        centres[static_cast<std::size_t>(place - 1)] = centre;
    };
    // Spots of the three outer squares: top right, middle right, bottom
    // right, bottom middle, bottom left, middle left, top left, top middle,
    // each in the middle of its square's band.
    for (int k = 0; k < 3; ++k) {
        const double origin = k * band;
        const double s = side - 2 * k * band;
        const double near = origin + band / 2;
        const double far = origin + s - band / 2;
        const double mid = origin + s / 2;
        const QPointF spots[8] = {{far, near}, {far, mid},  {far, far},   {mid, far},
                                  {near, far}, {near, mid}, {near, near}, {mid, near}};
        for (int spot = 0; spot < 8; ++spot) {
            put(ResultPage::kOuterPlaces[k][spot], spots[spot]);
        }
    }
    // The innermost square: right, bottom, left, top.
    const double origin = 3 * band;
    const double s = side - 6 * band;
    const double mid = origin + s / 2;
    const QPointF innermost[4] = {{origin + s - band / 2, mid},
                                  {mid, origin + s - band / 2},
                                  {origin + band / 2, mid},
                                  {mid, origin + band / 2}};
    for (int i = 0; i < 4; ++i) {
        put(ResultPage::kInnermostPlaces[i], innermost[i]);
    }
    return centres;
}

void PaintChakraDiagram(QPainter& painter, const QRectF& square, const QFont& font) {
    const double side = square.width();
    painter.save();
    painter.translate(square.topLeft());
    const std::array<QRectF, 4> squares = ChakraSquares(side);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInnermostGreen);
    painter.drawRect(squares[3]);
    // The diagonals along which each run enters, from the outer corners to
    // the innermost square.
    painter.setPen(QPen(kDiagonalGreen, side / 600, Qt::DotLine));
    const QRectF& outer = squares[0];
    const QRectF& inner = squares[3];
    painter.drawLine(outer.topLeft(), inner.topLeft());
    painter.drawLine(outer.topRight(), inner.topRight());
    painter.drawLine(outer.bottomLeft(), inner.bottomLeft());
    painter.drawLine(outer.bottomRight(), inner.bottomRight());
    painter.setPen(QPen(Qt::black, side / 400));
    painter.setBrush(Qt::NoBrush);
    for (const QRectF& r : squares) {
        painter.drawRect(r);
    }

    QFont numbers = font;
    numbers.setBold(true);
    painter.setFont(numbers);
    const std::array<QPointF, 28> centres = ChakraPlaceCentres(side);
    const double cell = side / 12;
    for (int place = 1; place <= 28; ++place) {
        const QPointF c = centres[static_cast<std::size_t>(place - 1)];
        const QRectF box(c.x() - cell / 2, c.y() - cell / 2, cell, cell);
        const bool innermost = (place - 1) % 7 == 3;
        painter.setPen(innermost ? QColor(0x80, 0x00, 0x00) : QColor(Qt::black));
        painter.drawText(box, Qt::AlignCenter, QString::number(place));
    }
    painter.restore();
}

}  // namespace zkc::app
