// SPDX-License-Identifier: MIT
#include "boardpicture.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "boardaccessible.h"
#include "focusstyle.h"
#include "tilerenderer.h"

namespace peg {

BoardPicture::BoardPicture(const TileRenderer &renderer, QWidget *parent)
    : QWidget(parent), renderer_(renderer)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    BoardAccessible::install();
    if (parent)
        parent->installEventFilter(this);
}

// Qt picks the widget under a press by its position rounded to whole
// logical pixels: above 100 % the board's last device pixel, right or
// bottom, can round to just outside the board, and the press goes to the
// widget beneath. Its exact position still lies on the board.
bool BoardPicture::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress || watched != parent() || !isEnabled())
        return false;
    auto *press = static_cast<QMouseEvent *>(event);
    const QPointF onBoard = press->scenePosition() - QPointF(mapTo(window(), QPoint(0, 0)));
    if (onBoard.x() < 0 || onBoard.y() < 0 || onBoard.x() >= width() || onBoard.y() >= height())
        return false;
    setFocus(Qt::MouseFocusReason);
    mousePressEvent(press);
    return true;
}

QRect BoardPicture::cellRect(CellPos cell) const
{
    return QRect((cell.col - 1) * TILE_PX, (cell.row - 1) * TILE_PX, TILE_PX, TILE_PX);
}

BoardAccessible *BoardPicture::readerTable()
{
    return QAccessible::isActive() ? dynamic_cast<BoardAccessible *>(QAccessible::queryAccessibleInterface(this)) : nullptr;
}

void BoardPicture::cellsDrawn(const QRegion &drawn)
{
    if (BoardAccessible *table = readerTable())
        table->cellsDrawn(drawn);
}

void BoardPicture::cursorMovedTo(CellPos cell)
{
    if (BoardAccessible *table = readerTable())
        table->cursorMoved(cell);
    emit cursorMoved(cell);
}

// The cursor's frame is repainted with a pixel to spare, so no rounding of
// its pen at any screen scale can leave a line behind.
QRect BoardPicture::cursorArea(const QRect &cell)
{
    return cell.adjusted(-1, -1, 1, 1);
}

void BoardPicture::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const double ratio = devicePixelRatioF();
    if (ratio > 1) {
        // The whole board in device pixels, one to one; the painter clips it
        // to the part that needs painting.
        p.setClipRect(event->rect());
        p.drawImage(QRectF(0, 0, BOARD_PX, BOARD_PX), renderer_.deviceImage(ratio));
    } else {
        p.drawImage(event->rect(), renderer_.image(), event->rect());
    }
    const bool keyboardFocus = hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
    if (cursorShown_) {
        // Black and yellow, so it shows on light and dark tiles alike.
        // At 100 % the pens' pixels lie on whole pixels of r; above it, the
        // same lines by their centres, so the frame covers the same part of
        // its cell and stays inside it.
        const QRect r = cellRect(cursor_).adjusted(1, 1, -2, -2);
        const QRectF centres = ratio > 1 ? QRectF(r).translated(0.5, 0.5) : QRectF(r);
        p.setPen(QPen(Qt::black, 3));
        p.drawRect(centres);
        p.setPen(QPen(FOCUS_YELLOW, 1));
        p.drawRect(centres);
    } else if (keyboardFocus) {
        // Reached with Tab: the whole board is marked until an arrow key is used.
        p.setPen(QPen(FOCUS_YELLOW, 2, Qt::DashLine));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    if (!painted_) {
        painted_ = true;
        emit firstPainted();
    }
}

void BoardPicture::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    showCursor(false);
    // Qt rounds the widget-relative position to whole logical pixels, which
    // at 200 % moves a cell's last device pixel into the next cell; the
    // window-relative position keeps the fraction.
    emit pressed(event->button(), event->scenePosition() - QPointF(mapTo(window(), QPoint(0, 0))));
}

void BoardPicture::keyPressEvent(QKeyEvent *event)
{
    // Keys that a panel's controls leave unhandled climb here from them:
    // the board plays only the keys typed on the board itself. Ctrl+Z and
    // the like belong to the window.
    if (!hasFocus() || (event->modifiers() & ~Qt::KeypadModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    int dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A held key makes one move: its repeats would select the peg that
        // just landed. A hidden cursor is only shown, as by an arrow.
        if (event->isAutoRepeat())
            return;
        if (cursorShown_) {
            emit cursorActivated(cursor_);
            return;
        }
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    // The first arrow only shows where the cursor is.
    if (cursorShown_) {
        const QRect before = cellRect(cursor_);
        cursor_ = CursorStep(cursor_, dx, dy, isHole_);
        update(cursorArea(before));
    }
    showCursor(true);
    cursorMovedTo(cursor_);
}

void BoardPicture::placeCursor(CellPos cell)
{
    update(cursorArea(cellRect(cursor_)));
    cursor_ = cell;
    setFocus(Qt::OtherFocusReason);
    showCursor(true);
    cursorMovedTo(cursor_);
}

void BoardPicture::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void BoardPicture::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    showCursor(false);
    update();
}

void BoardPicture::showCursor(bool shown)
{
    if (shown != cursorShown_) {
        cursorShown_ = shown;
        update();
    }
    update(cursorArea(cellRect(cursor_)));
}

} // namespace peg
