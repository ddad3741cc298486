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

ElidedLabel::ElidedLabel(const QString &text, QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);  // a name from a file is shown, never interpreted
    setText(text);
}

void ElidedLabel::setText(const QString &text)
{
    QLabel::setText(text);
    setToolTip(text);
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = contentsRect();
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, fontMetrics().elidedText(text(), Qt::ElideRight, r.width()));
}

} // namespace peg
