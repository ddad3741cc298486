// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QKeyEvent;
class QWidget;

namespace peg {

// A key acts on the control that had focus when it went down. Held, a key
// repeats; when focus moves meanwhile (a panel closed under it, a replay
// started), the repeats would press whatever took the focus: the help,
// the button that opens the panel again. Installed on the application, this
// keeps them from it until the key is let go and pressed anew, and hands
// the repeats X11 leaves unmarked on marked, so that a control acting once
// per press can tell them.
class HeldKeys : public QObject {
    Q_OBJECT
public:
    explicit HeldKeys(QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<int, QPointer<QWidget>> held_;  // where each key went down
};

// X11 repeats a held key as a release and a press with one time stamp. Qt
// marks them as repeats only when it finds the press already waiting as it
// reads the release, and a screen reader's bridge hands key events on later
// without their time stamps; the X server's own events, watched from the
// first call on, tell every repeat. Elsewhere Qt marks repeats itself.
void WatchKeyRepeats();
// Whether a press Qt did not mark as a repeat (a shortcut's override event
// too) was one all the same.
bool IsUnmarkedRepeat(const QKeyEvent &press);

} // namespace peg
