// SPDX-License-Identifier: MIT
#include "windowicon.h"

#include <QTimer>
#include <QWidget>

#include "builtinpictures.h"

namespace peg {

namespace {
constexpr int AT_LATEST_MS = 500;  // after showing, if the board has not been drawn by then
}

WindowIcon::WindowIcon(QWidget *window) : QObject(window), window_(window) {}

void WindowIcon::give()
{
    if (given_)
        return;
    given_ = true;
    // Given to the top-level window and not the application: Qt then hands
    // it to X11 once rather than twice.
    window_->window()->setWindowIcon(EmbeddedIconAllSizes());
}

void WindowIcon::windowShown()
{
    if (!given_)
        QTimer::singleShot(AT_LATEST_MS, this, &WindowIcon::give);
}

} // namespace peg
