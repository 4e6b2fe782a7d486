// The program's emblem: the chakra's four nested squares around a lotus,
// drawn rather than loaded, so that it is sharp at every size. It is the
// window icon and the picture of the About box.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QRectF>

class QPainter;

namespace zkc::app {

void PaintEmblem(QPainter& painter, const QRectF& bounds);

QPixmap EmblemPixmap(int size, qreal devicePixelRatio = 1.0);

// The emblem at the usual icon sizes.
QIcon EmblemIcon();

}  // namespace zkc::app
