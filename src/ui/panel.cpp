// SPDX-License-Identifier: MIT
#include "panel.h"

#include <QMouseEvent>

namespace peg {

Panel::Panel(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
    setAutoFillBackground(true);
    hide();
}

void Panel::open()
{
    show();
    raise();
}

void Panel::closeTo(QWidget *opener)
{
    if (isAncestorOf(window()->focusWidget()))
        opener->setFocus(Qt::OtherFocusReason);
    hide();
}

void Panel::mousePressEvent(QMouseEvent *event)
{
    QGroupBox::mousePressEvent(event);
    event->accept();
}

} // namespace peg
