// The chakra diagram drawn with a painter: the four nested squares, the
// diagonals the runs enter by, and the 28 place numbers, for a printed or
// exported reading. The window's diagram puts its labels at the same spots.
#pragma once

#include <QPointF>
#include <QRectF>
#include <array>

class QFont;
class QPainter;

namespace zkc::app {

// The centre of each place's number (index = place − 1) in a square diagram
// of the given side, from its top-left corner. Each of the three outer
// squares is a band of side / 9 deep, which leaves the innermost a third.
std::array<QPointF, 28> ChakraPlaceCentres(double side);

// The outer square and the three inner ones, outermost first.
std::array<QRectF, 4> ChakraSquares(double side);

void PaintChakraDiagram(QPainter& painter, const QRectF& square, const QFont& font);

}  // namespace zkc::app
