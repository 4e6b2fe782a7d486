// A label that acts as a link: a click (or Enter or Space when it has the
// focus) emits clicked().
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
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool pressed_ = false;
};

}  // namespace zkc::app
