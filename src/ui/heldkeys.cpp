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

HeldKeys::HeldKeys(QObject *parent) : QObject(parent) { WatchKeyRepeats(); }

bool HeldKeys::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress)
        return false;
    // The first receiver only; the same event passed up to parents is left alone.
    QWidget *focus = QApplication::focusWidget();
    if (watched != focus)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool unmarked = IsUnmarkedRepeat(*key);
    if (!key->isAutoRepeat() && !unmarked) {
        held_.insert(key->key(), focus);
        return false;
    }
    const auto it = held_.constFind(key->key());
    if (it == held_.cend())
        return false;
    if (*it != focus)
        return true;  // went down elsewhere
    if (!unmarked)
        return false;
    // Passed on marked as the repeat it is, so that a control that acts
    // once per press (the board's Space, a button) can tell. A release acts
    // only after a press, so releases need no watching.
    QKeyEvent marked(key->type(), key->key(), key->modifiers(), key->nativeScanCode(), key->nativeVirtualKey(),
                     key->nativeModifiers(), key->text(), true, key->count());
    marked.setTimestamp(key->timestamp());
    QApplication::sendEvent(watched, &marked);
    event->setAccepted(marked.isAccepted());
    return true;
}

} // namespace peg
