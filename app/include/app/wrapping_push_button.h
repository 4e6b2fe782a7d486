// A push button whose caption wraps onto several lines, for a long caption
// in a narrow column. The caption (text()) stays as given, access key and
// "&&" included.
#pragma once

#include <QPushButton>

namespace zkc::app {

class WrappingPushButton : public QPushButton {
    Q_OBJECT

  public:
    using QPushButton::QPushButton;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    static constexpr int kMargin = 6;
    QRect TextRect(int width) const;
};

}  // namespace zkc::app
