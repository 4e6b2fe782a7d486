#include "app/app_style.h"

#include <QFontDatabase>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace zkc::app {
namespace {

constexpr double kDesignedPoints = 8.25;

std::optional<double>& DesktopPoints() {
    static std::optional<double> points;
    return points;
}

double PointsOf(const QFont& font) {
    if (font.pointSizeF() > 0) {
        return font.pointSizeF();
    }
    // A font given in pixels: at the 96 dpi that desktops assume, 4 px are 3 pt.
    return font.pixelSize() > 0 ? font.pixelSize() * 0.75 : 0.0;
}

// The light palette the designed look was drawn with, whatever the desktop's
// theme: the one the Fusion style ships as its own.
const QPalette& LightPalette() {
    static const QPalette light = [] {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        return fusion ? fusion->standardPalette() : QPalette(QColor(0xEF, 0xEF, 0xEF));
    }();
    return light;
}

}  // namespace

void SetDesktopFont(const QFont& font) {
    DesktopPoints() = PointsOf(font);
}

QFont ApplicationFont() {
    if (!DesktopPoints()) {
        DesktopPoints() = PointsOf(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    }
    // The first family that is installed wins. Naming them, rather than
    // listing the font database, keeps start-up from enumerating every font.
    QFont f;
    f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(std::max(kDesignedPoints, *DesktopPoints()));
    // Set rather than inherited: regular text inside a bold caption's frame
    // (a page's fields under its bold title) stays regular.
    f.setWeight(QFont::Normal);
    f.setItalic(false);
    f.setUnderline(false);
    return f;
}

QFont CaptionFont() {
    QFont f = ApplicationFont();
    f.setBold(true);
    return f;
}

void StyleAsLink(QWidget* label) {
    QFont font = ApplicationFont();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0xC0));
    label->setPalette(palette);
}

QPalette DesignedPalette(const QColor& background, const QColor& text) {
    QPalette palette;
    const QPalette& light = LightPalette();
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        const auto group = static_cast<QPalette::ColorGroup>(g);
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto role = static_cast<QPalette::ColorRole>(r);
            if (role == QPalette::NoRole) {
                continue;
            }
            // Setting every brush marks every role as the widget's own, so
            // none is taken from the desktop's palette.
            palette.setBrush(group, role, light.brush(group, role));
        }
        palette.setColor(group, QPalette::Window, background);
        if (group != QPalette::Disabled) {
            palette.setColor(group, QPalette::WindowText, text);
        }
    }
    return palette;
}

namespace {

// WCAG 2 relative luminance and contrast ratio.
double RelativeLuminance(const QColor& c) {
    const auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

QColor ReadableOn(const QColor& ink, const QColor& paper) {
    constexpr double kLeastContrast = 4.5;
    // Below this luminance white contrasts more with the paper than black.
    constexpr double kDarkPaper = 0.179;
    const bool lighten = RelativeLuminance(paper) < kDarkPaper;
    const QColor hsl = ink.toHsl();
    QColor c = ink;
    for (double l = hsl.lightnessF(); ContrastRatio(c, paper) < kLeastContrast;) {
        l = lighten ? l + 0.02 : l - 0.02;
        if (l < 0 || l > 1) {
            return lighten ? QColor(Qt::white) : QColor(Qt::black);
        }
        c = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), l);
    }
    return c;
}

void PaintBackground(QWidget* widget, const QColor& background, const QColor& text) {
    widget->setPalette(DesignedPalette(background, text));
    widget->setAutoFillBackground(true);
}

}  // namespace zkc::app
