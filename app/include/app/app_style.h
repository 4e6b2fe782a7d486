// Fonts and colours of the window.
#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace zkc::app {

inline const QColor kWindowGreen{0x00, 0x40, 0x00};  // #004000, window and promotional strip
inline const QColor kFrameGreen{0xC0, 0xFF, 0xC0};   // #C0FFC0, frames and pages

// Verdana 8.25 pt where it is installed, otherwise a clean sans of the same
// size (DejaVu Sans shares Verdana's proportions).
QFont ApplicationFont();

// The same font in bold, for field captions.
QFont CaptionFont();

// Blue underlined text, for labels that open something when clicked.
void StyleAsLink(QWidget* label);

// Fills a widget's background with a colour (and keeps text readable on it).
void PaintBackground(QWidget* widget, const QColor& background, const QColor& text);

}  // namespace zkc::app
