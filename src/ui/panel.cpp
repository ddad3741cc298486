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

void Panel::mousePressEvent(QMouseEvent *event)
{
    QGroupBox::mousePressEvent(event);
    event->accept();
}

} // namespace peg
