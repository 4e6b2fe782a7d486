// Enter on a page acts as the page's button: a key press of Return or Enter
// that no field took for itself (line edits, closed lists, check boxes and
// option buttons leave it) reaches the page and emits pressed(). Buttons
// and links take Enter for themselves and are not affected.
#pragma once

#include <QObject>

class QWidget;

namespace zkc::app {

class EnterKey : public QObject {
    Q_OBJECT

  public:
    // Watches `page`; owned by it.
    explicit EnterKey(QWidget* page);

  signals:
    void pressed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zkc::app
