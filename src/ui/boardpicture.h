// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace peg {

class TileRenderer;

// The board on screen: shows the renderer's persistent image and reports
// mouse presses. It never draws cells itself, so uncovering it repaints
// exactly what was drawn, a selected peg included.
class BoardPicture : public QWidget {
    Q_OBJECT
public:
    BoardPicture(const TileRenderer &renderer, QWidget *parent);

signals:
    void pressed(Qt::MouseButton button, QPointF position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    const TileRenderer &renderer_;
};

} // namespace peg
