// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

namespace peg {

// The game window's icon. Its seven sizes are some 360 KB for the X server
// to take in before anything sent after them: handed over once the board is
// on screen, they no longer hold up its first picture. Windows opened over
// the game take the icon from it, so it is given before any of them opens.
class WindowIcon : public QObject {
    Q_OBJECT
public:
    explicit WindowIcon(QWidget *window);

    void give();  // at once, if not given yet
    // For a window shown but never drawn (started minimised, say), whose
    // task bar entry still wants the icon.
    void windowShown();

private:
    QWidget *window_;
    bool given_ = false;
};

} // namespace peg
