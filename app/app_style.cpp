#include "app/app_style.h"

#include <QPalette>
#include <QWidget>

namespace zkc::app {

QFont ApplicationFont() {
    // The first family that is installed wins. Naming them, rather than
    // listing the font database, keeps start-up from enumerating every font.
    static const QFont font = [] {
        QFont f;
        f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(8.25);
        return f;
    }();
    return font;
}

QFont CaptionFont() {
    static const QFont font = [] {
        QFont f = ApplicationFont();
        f.setBold(true);
        return f;
    }();
    return font;
}

void StyleAsLink(QWidget* label) {
    QFont font = ApplicationFont();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0xC0));
    label->setPalette(palette);
}

void PaintBackground(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace zkc::app
