#include "app/clickable_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace zkc::app {
namespace {

// A screen reader announces the label as a link and can follow it.
class AccessibleLink : public QAccessibleWidget {
  public:
    explicit AccessibleLink(ClickableLabel* label) : QAccessibleWidget(label, QAccessible::Link) {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QString text(QAccessible::Text t) const override {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty()) {
            s = static_cast<ClickableLabel*>(widget())->text();
        }
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            emit static_cast<ClickableLabel*>(widget())->clicked();
        }
    }
};

QAccessibleInterface* LinkFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("zkc::app::ClickableLabel") && object->isWidgetType()) {
        return new AccessibleLink(static_cast<ClickableLabel*>(object));
    }
    return nullptr;
}

}  // namespace

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(LinkFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setTextFormat(Qt::PlainText);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

bool ClickableLabel::IsActivationKey(const QKeyEvent& key) {
    const int k = key.key();
    const Qt::KeyboardModifiers chords = key.modifiers() & ~Qt::KeypadModifier;
    return chords == Qt::NoModifier &&
           (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space);
}

bool ClickableLabel::event(QEvent* event) {
    // Enter and Space belong to the link while it has the focus, before any
    // shortcut of the window sees them.
    if (event->type() == QEvent::ShortcutOverride &&
        IsActivationKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLabel::event(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    if (IsActivationKey(*event)) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

// A label draws no focus of its own; a keyboard user must see where it is.
void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = contentsRect();
        option.backgroundColor = palette().color(backgroundRole());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

}  // namespace zkc::app
