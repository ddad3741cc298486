// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

#include <array>

#include "cursor.h"

class QRegion;

namespace peg {

class BoardPicture;

// The board as a screen reader sees it: a table of 7 rows and 7 columns
// whose cells say what the board's describer says of them. Qt keeps one for
// the board and deletes it, cells and all, when the board goes.
//
// The panels lie in the board, so its children are the 49 cells and then
// its child widgets as Qt would report them: a reader walking the window
// reaches the panels' controls too.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(BoardPicture *board);
    ~BoardAccessible() override;

    // Has Qt make one for every BoardPicture; once is enough.
    static void install();

    // Cells drawn anew, in board pixels: the ones a screen reader has met
    // and whose text changed are announced as renamed.
    void cellsDrawn(const QRegion &drawn);
    // The keyboard cursor moved: its cell is the one with the focus.
    void cursorMoved(CellPos cell);

    BoardPicture *board() const;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }  // each cell names its own
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return SIDE; }
    int rowCount() const override { return SIDE; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}  // the cells never change in number

    static constexpr int SIDE = 7;

private:
    QList<QWidget *> childWidgets() const;

    // Cells are made when a screen reader first asks for them and keep
    // their ids, so a reader can hold on to one.
    mutable std::array<QAccessible::Id, SIDE * SIDE> cellIds_{};
};

} // namespace peg
