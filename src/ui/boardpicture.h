// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include <QLabel>
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

// A panel that lies over the board. It keeps every press that lands on it,
// so a click on the panel never reaches the cells beneath.
class Panel : public QGroupBox {
    Q_OBJECT
public:
    Panel(const QString &caption, QWidget *parent);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

// A one-line label that keeps its whole text but shows what does not fit
// ended with "…", the whole of it in a tooltip: board-look names are long.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    ElidedLabel(const QString &text, QWidget *parent);
    void setText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace peg
