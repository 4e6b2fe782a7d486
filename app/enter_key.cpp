#include "app/enter_key.h"

#include <QKeyEvent>
#include <QWidget>

namespace zkc::app {

EnterKey::EnterKey(QWidget* page) : QObject(page) {
    page->installEventFilter(this);
}

bool EnterKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const Qt::KeyboardModifiers chords =
            key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
        if (enter && chords == Qt::NoModifier) {
            emit pressed();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zkc::app
