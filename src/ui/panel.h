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

    // Shown, in front of the other panels where they overlap.
    void open();
    // Hidden. Holding the focus, it hands it back to the button that opened
    // it rather than to whatever the chain offers next: a key still held
    // would act there.
    void closeTo(QWidget *opener);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace peg
