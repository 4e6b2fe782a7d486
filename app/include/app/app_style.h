// Fonts and colours of the window.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace zkc::app {

inline const QColor kWindowGreen{0x00, 0x40, 0x00};  // #004000, window and promotional strip
inline const QColor kFrameGreen{0xC0, 0xFF, 0xC0};   // #C0FFC0, frames and pages

// The desktop's general font as the program found it at start, before it set
// its own. Until it is given, the platform's general font stands in.
void SetDesktopFont(const QFont& font);

// Verdana where it is installed, otherwise a clean sans of the same
// proportions (DejaVu Sans), at the designed 8.25 pt or the desktop's size,
// whichever is larger, so that the window is never harder to read than the
// rest of the desktop.
QFont ApplicationFont();

// The same font in bold, for field captions.
QFont CaptionFont();

// Blue underlined text, for labels that open something when clicked.
void StyleAsLink(QWidget* label);

// A complete palette of the designed look: the given background and text,
// and light inputs, lists and buttons. Every role is set, so nothing of the
// desktop's palette (a dark theme's dark inputs) shows through inside it.
QPalette DesignedPalette(const QColor& background, const QColor& text);

// The colour itself where it reads on the paper (a contrast of 4.5:1, as
// WCAG asks of text), otherwise the same hue made lighter on dark paper or
// darker on light paper until it does: the report's red stays red on a dark
// theme's tables.
QColor ReadableOn(const QColor& ink, const QColor& paper);

// Fills a widget's background with a colour and gives it, and everything in
// it, the designed palette.
void PaintBackground(QWidget* widget, const QColor& background, const QColor& text);

}  // namespace zkc::app
