// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QProxyStyle>

namespace peg {

// The yellow of every keyboard mark: the focus frame and the board's cursor.
inline constexpr QColor FOCUS_YELLOW{255, 221, 0};

// The platform's look, with a focus mark that can be seen: a firm frame on
// the control that has keyboard focus. Qt marks focus only once the keyboard
// has moved it, so a player who uses the mouse sees nothing of this.
class FocusStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;

    static bool ShowsFocus(const QStyleOption *option);
    static void DrawFocusMark(QPainter *painter, const QRect &rect);
};

} // namespace peg
