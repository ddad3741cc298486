// SPDX-License-Identifier: MIT
#include "heldkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace peg {

bool HeldKeys::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    // The first receiver only; the same event passed up to parents is left alone.
    QWidget *focus = QApplication::focusWidget();
    if (watched != focus)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const auto it = held_.find(key->key());
    if (type == QEvent::KeyPress) {
        // X11 repeats a held key as a release and a press with one time
        // stamp, which Qt cannot always tell from a new press. Keys made up
        // in the program carry no time stamp at all.
        const bool repeat = key->isAutoRepeat() ||
                            (it != held_.end() && it->up && key->timestamp() != 0 && it->upAt == key->timestamp());
        if (!repeat) {
            held_.insert(key->key(), Held{focus, false, 0});
            return false;
        }
        if (it == held_.end())
            return false;
        it->up = false;
        if (it->target != focus)
            return true;
        if (key->isAutoRepeat())
            return false;
        // Passed on marked as the repeat it is, so that a control that acts
        // once per press (the board's Space, a button) can tell.
        QKeyEvent marked(key->type(), key->key(), key->modifiers(), key->nativeScanCode(), key->nativeVirtualKey(),
                         key->nativeModifiers(), key->text(), true, key->count());
        marked.setTimestamp(key->timestamp());
        QApplication::sendEvent(watched, &marked);
        event->setAccepted(marked.isAccepted());
        return true;
    }
    if (it == held_.end())
        return false;
    it->up = true;
    it->upAt = key->timestamp();
    // Let through: a control acts on a release only after its own press,
    // and presses that went down elsewhere are kept from it above.
    return false;
}

} // namespace peg
