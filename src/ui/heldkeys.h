// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

namespace peg {

// A key acts on the control that had focus when it went down. Held, a key
// repeats; when focus moves meanwhile (a panel closed under it, a replay
// started), the repeats would press whatever took the focus: the help,
// the button that opens the panel again. Installed on the application, this
// keeps them from it until the key is let go and pressed anew.
class HeldKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Held {
        QPointer<QWidget> target;  // where the key went down
        bool up = false;           // a release came; a press at its time stamp is a repeat
        quint64 upAt = 0;
    };
    QHash<int, Held> held_;
};

} // namespace peg
