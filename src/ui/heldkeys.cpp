// SPDX-License-Identifier: MIT
#include "heldkeys.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace peg {

namespace {

class KeyRepeats : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        // How every X11 key event starts: its type, the key, a sequence number, the time.
        struct KeyEvent {
            quint8 type, key;
            quint16 sequence;
            quint32 time;
        };
        constexpr quint8 KEY_RELEASE = 3;
        const auto *e = static_cast<const KeyEvent *>(message);
        if ((e->type & 0x7f) == KEY_RELEASE)
            releasedAt[e->key] = e->time;
        return false;
    }

    QHash<quint32, quint32> releasedAt;  // the time of each key's last release
};

KeyRepeats &Repeats()
{
    static KeyRepeats repeats;
    return repeats;
}

} // namespace

void WatchKeyRepeats()
{
    static const bool watching = (QCoreApplication::instance()->installNativeEventFilter(&Repeats()), true);
    Q_UNUSED(watching);
}

bool IsUnmarkedRepeat(const QKeyEvent &press)
{
    const auto it = Repeats().releasedAt.constFind(press.nativeScanCode());
    return !press.isAutoRepeat() && it != Repeats().releasedAt.cend() && *it == press.timestamp();
}

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
