// Renders the emblem as the PNG icons installed beside the SVG one, from the
// same drawing code as the window icon.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "app/emblem.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: render_icons OUTPUT_DIR NAME\n");
        return 64;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        zkc::app::PaintEmblem(painter, QRectF(0, 0, size, size));
        painter.end();
        const QString path = QString("%1/%2x%2.png").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (!image.save(path)) {
            std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
