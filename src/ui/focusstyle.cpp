// SPDX-License-Identifier: MIT
#include "focusstyle.h"

#include <QPainter>
#include <QStyleOption>

namespace peg {

bool FocusStyle::ShowsFocus(const QStyleOption *option)
{
    return option && (option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange);
}

void FocusStyle::DrawFocusMark(QPainter *painter, const QRect &rect)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    // Black inside yellow: it stands out on the grey window, the light
    // buttons and the white lists alike.
    painter->setPen(QPen(FOCUS_YELLOW, 1));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->setPen(QPen(Qt::black, 1));
    painter->drawRect(rect.adjusted(1, 1, -2, -2));
    painter->restore();
}

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    switch (element) {
    case PE_PanelButtonCommand:
    case PE_PanelLineEdit:
    case PE_FrameFocusRect:
        if (ShowsFocus(option))
            DrawFocusMark(painter, option->rect);
        break;
    default:
        break;
    }
}

void FocusStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                             const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_ShapedFrame && ShowsFocus(option))  // the file lists
        DrawFocusMark(painter, option->rect);
}

} // namespace peg
