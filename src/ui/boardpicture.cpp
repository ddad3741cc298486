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
    emit pressed(event->button(), event->position().toPoint());
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

} // namespace peg
