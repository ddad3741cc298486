// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

namespace peg {

// A panel that lies over the board. It keeps every press that lands on it,
// so a click on the panel never reaches the cells beneath.
class Panel : public QGroupBox {
    Q_OBJECT
public:
    Panel(const QString &caption, QWidget *parent);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace peg
