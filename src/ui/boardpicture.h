// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <functional>

#include "cursor.h"

namespace peg {

class BoardAccessible;
class TileRenderer;

// The board on screen: shows the renderer's persistent image and reports
// mouse presses. It never draws cells itself, so uncovering it repaints
// exactly what was drawn, a selected peg included.
//
// For keyboard play it keeps a cell cursor, drawn over the image on screen
// only (never into the image), shown once an arrow key has been used and
// hidden when the board loses focus or takes a mouse press.
class BoardPicture : public QWidget {
    Q_OBJECT
public:
    BoardPicture(const TileRenderer &renderer, QWidget *parent);

    CellPos cursor() const { return cursor_; }
    bool cursorShown() const { return cursorShown_; }
    // Shows the cursor on a hole and takes the focus, so that Space makes
    // the move there.
    void placeCursor(CellPos cell);

    // What a screen reader says of a cell; the board is offered to it as a
    // table of these.
    void setDescriber(std::function<QString(CellPos)> describe) { describe_ = std::move(describe); }
    // Which cells are holes, for the cursor: the cross's until set.
    void setHoleTest(std::function<bool(int, int)> isHole) { isHole_ = std::move(isHole); }
    QString cellText(CellPos cell) const { return describe_ ? describe_(cell) : QString(); }
    // The cells in drawn (board pixels) were drawn anew: a screen reader
    // hears of those whose text changed. Costs nothing without one.
    void cellsDrawn(const QRegion &drawn);
    QRect cellRect(CellPos cell) const;

signals:
    void pressed(Qt::MouseButton button, QPointF position);
    void cursorMoved(peg::CellPos cell);
    void cursorActivated(peg::CellPos cell);  // Space or Enter: as a left press there
    void firstPainted();  // the board's first picture is about to reach the screen

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showCursor(bool shown);
    void cursorMovedTo(CellPos cell);
    BoardAccessible *readerTable();  // null unless a screen reader is about
    static QRect cursorArea(const QRect &cell);

    const TileRenderer &renderer_;
    CellPos cursor_ = CENTRE;
    bool cursorShown_ = false;
    bool painted_ = false;
    std::function<QString(CellPos)> describe_;
    std::function<bool(int, int)> isHole_ = [](int col, int row) { return IsHole(col, row); };
};

} // namespace peg
