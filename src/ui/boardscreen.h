// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>
#include <functional>

#include "game.h"
#include "tilerenderer.h"

class QLabel;

namespace peg {

class BoardPicture;

// The board as the player sees and hears it. The game draws through it into
// the renderer's image; it repaints the cells drawn, shows the counter and
// tells a screen reader what the cursor's cell holds.
class BoardScreen : public BoardView {
public:
    explicit BoardScreen(const Game &game);

    // The controls it shows on, once built: the board, the counter's caption
    // and count, and the four tile pictures in Tile order.
    void attach(BoardPicture *board, QLabel *caption, QLabel *count, const std::array<QLabel *, 4> &tiles);
    // Called after every move made, taken back or made again, and every new
    // game, once the count is shown.
    void onPositionChanged(std::function<void()> changed) { positionChanged_ = std::move(changed); }

    TileRenderer &renderer() { return renderer_; }
    const TileRenderer &renderer() const { return renderer_; }

    // The four tile pictures, after a look is applied.
    void showTilePictures();
    // What a screen reader says of a cell: "kolumna 4, rząd 6: pion, zaznaczony".
    QString CellDescription(int col, int row) const;

    void DrawTile(Tile tile, int col, int row) override;
    void RefreshBoard() override;
    void DrawBoard() override;
    void ShowCount(Int16 pegsLeft) override;

private:
    const Game &game_;
    TileRenderer renderer_;
    BoardPicture *board_ = nullptr;
    QLabel *count_ = nullptr;
    std::array<QLabel *, 4> tiles_{};
    std::function<void()> positionChanged_;
};

} // namespace peg
