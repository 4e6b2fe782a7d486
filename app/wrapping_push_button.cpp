#include "app/wrapping_push_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace zkc::app {
namespace {

constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

}  // namespace

QRect WrappingPushButton::TextRect(int width) const {
    return fontMetrics().boundingRect(QRect(0, 0, qMax(1, width - 2 * kMargin), 10000), kTextFlags,
                                      text());
}

int WrappingPushButton::heightForWidth(int width) const {
    return TextRect(width).height() + 2 * kMargin;
}

QSize WrappingPushButton::sizeHint() const {
    const int width = fontMetrics().horizontalAdvance(QStringLiteral("Click Here To Find"));
    return {width + 2 * kMargin, heightForWidth(width + 2 * kMargin)};
}

QSize WrappingPushButton::minimumSizeHint() const {
    return sizeHint();
}

void WrappingPushButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().adjusted(kMargin, kMargin / 2, -kMargin, -kMargin / 2), kTextFlags,
                     caption);
}

}  // namespace zkc::app
