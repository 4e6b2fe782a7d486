// A label that acts as a link: a click (or Enter or Space when it has the
// focus, or a screen reader's press) emits clicked(). It shows when it has
// the focus, and screen readers announce it as a link.
#pragma once

#include <QLabel>

namespace zkc::app {

class ClickableLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    static bool IsActivationKey(const QKeyEvent& key);

    bool pressed_ = false;
};

}  // namespace zkc::app
