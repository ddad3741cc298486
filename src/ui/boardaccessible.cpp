// SPDX-License-Identifier: MIT
#include "boardaccessible.h"

#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <algorithm>

#include "boardpicture.h"
#include "tilesize.h"

namespace peg {

namespace {

// One cell of the board. It holds no pointer to the table: at the end Qt
// deletes what it keeps in no set order, and the table may go first.
class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCell(BoardPicture *board, int index) : board_(board), index_(index), told_(text(QAccessible::Name)) {}

    CellPos pos() const { return {index_ % BoardAccessible::SIDE + 1, index_ / BoardAccessible::SIDE + 1}; }

    // Whether its text changed since it was made or last announced.
    bool renamed()
    {
        QString now = text(QAccessible::Name);
        if (now == told_)
            return false;
        told_ = std::move(now);
        return true;
    }

    bool isValid() const override { return !board_.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(board_.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && board_ ? board_->cellText(pos()) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!board_)
            return {};
        const QRect r = board_->cellRect(pos());
        return QRect(board_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.focused = board_ && board_->hasFocus() && board_->cursorShown() && board_->cursor() == pos();
        s.invisible = !board_ || !board_->isVisible();
        s.disabled = board_ && !board_->isEnabled();
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return index_ % BoardAccessible::SIDE; }
    int rowIndex() const override { return index_ / BoardAccessible::SIDE; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    QPointer<BoardPicture> board_;
    int index_;
    QString told_;
};

QAccessibleInterface *MakeBoardAccessible(const QString &, QObject *object)
{
    auto *board = qobject_cast<BoardPicture *>(object);
    return board ? new BoardAccessible(board) : nullptr;
}

} // namespace

BoardAccessible::BoardAccessible(BoardPicture *board) : QAccessibleWidget(board, QAccessible::Table) {}

BoardAccessible::~BoardAccessible()
{
    for (QAccessible::Id id : cellIds_) {
        if (id)
            QAccessible::deleteAccessibleInterface(id);
    }
}

void BoardAccessible::install()
{
    static const bool installed = (QAccessible::installFactory(MakeBoardAccessible), true);
    Q_UNUSED(installed);
}

BoardPicture *BoardAccessible::board() const
{
    return static_cast<BoardPicture *>(widget());
}

QList<QWidget *> BoardAccessible::childWidgets() const
{
    QList<QWidget *> widgets;
    for (QObject *o : board()->children())
        if (auto *w = qobject_cast<QWidget *>(o); w && !w->isWindow())
            widgets.append(w);
    return widgets;
}

int BoardAccessible::childCount() const
{
    return SIDE * SIDE + int(childWidgets().size());
}

QAccessibleInterface *BoardAccessible::child(int index) const
{
    if (index < 0)
        return nullptr;
    if (index >= SIDE * SIDE)
        return QAccessible::queryAccessibleInterface(childWidgets().value(index - SIDE * SIDE));
    QAccessible::Id &id = cellIds_[std::size_t(index)];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new BoardCell(board(), index));
    return QAccessible::accessibleInterface(id);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    if (QObject *object = child->object()) {
        const qsizetype i = object->isWidgetType() ? childWidgets().indexOf(static_cast<QWidget *>(object)) : -1;
        return i < 0 ? -1 : SIDE * SIDE + int(i);
    }
    for (std::size_t i = 0; i < cellIds_.size(); ++i) {
        if (cellIds_[i] && QAccessible::accessibleInterface(cellIds_[i]) == child)
            return int(i);
    }
    return -1;
}

QAccessibleInterface *BoardAccessible::childAt(int x, int y) const
{
    const QPoint p = board()->mapFromGlobal(QPoint(x, y));
    if (!board()->rect().contains(p))
        return nullptr;
    // An open panel lies over the cells; the last raised on top.
    const QList<QWidget *> widgets = childWidgets();
    for (auto w = widgets.crbegin(); w != widgets.crend(); ++w)
        if ((*w)->isVisible() && (*w)->geometry().contains(p))
            return QAccessible::queryAccessibleInterface(*w);
    return cellAt(p.y() / TILE_PX, p.x() / TILE_PX);
}

void *BoardAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface *BoardAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= SIDE || column < 0 || column >= SIDE)
        return nullptr;
    return child(row * SIDE + column);
}

void BoardAccessible::cellsDrawn(const QRegion &drawn)
{
    for (const QRect &r : drawn) {
        for (int row = std::max(0, r.top() / TILE_PX); row <= std::min(SIDE - 1, r.bottom() / TILE_PX); ++row) {
            for (int col = std::max(0, r.left() / TILE_PX); col <= std::min(SIDE - 1, r.right() / TILE_PX); ++col) {
                const QAccessible::Id id = cellIds_[std::size_t(row * SIDE + col)];
                auto *cell = id ? static_cast<BoardCell *>(QAccessible::accessibleInterface(id)) : nullptr;
                if (cell && cell->renamed()) {
                    QAccessibleEvent renamed(cell, QAccessible::NameChanged);
                    QAccessible::updateAccessibility(&renamed);
                }
            }
        }
    }
}

void BoardAccessible::cursorMoved(CellPos cell)
{
    // Screen readers speak the object that takes the focus; a description
    // change they would not read.
    QAccessibleEvent focus(cellAt(cell.row - 1, cell.col - 1), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

} // namespace peg
