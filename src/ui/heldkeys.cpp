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
        // stamp, which Qt cannot always tell from a new press.
        const bool repeat = key->isAutoRepeat() || (it != held_.end() && it->up && it->upAt == key->timestamp());
        if (!repeat) {
            held_.insert(key->key(), Held{focus, false, 0});
            return false;
        }
        if (it == held_.end())
            return false;
        it->up = false;
        return it->target != focus;
    }
    if (it == held_.end())
        return false;
    it->up = true;
    it->upAt = key->timestamp();
    return it->target != focus;
}

} // namespace peg
