// SPDX-License-Identifier: MIT
#include "boardpicture.h"

#include <QMouseEvent>
#include <QPainter>

#include "tilerenderer.h"

namespace peg {

BoardPicture::BoardPicture(const TileRenderer &renderer, QWidget *parent)
    : QWidget(parent), renderer_(renderer)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void BoardPicture::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.drawImage(event->rect(), renderer_.image(), event->rect());
}

void BoardPicture::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    // Qt rounds the widget-relative position to whole logical pixels, which
    // at 200 % moves a cell's last device pixel into the next cell; the
    // window-relative position keeps the fraction.
    emit pressed(event->button(), event->scenePosition() - QPointF(mapTo(window(), QPoint(0, 0))));
}

} // namespace peg
