// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

#include <functional>

namespace peg {

// A panel that lies over the board. It keeps every press that lands on it,
// so a click on the panel never reaches the cells beneath. Of the keys its
// controls leave unhandled, Enter does what its OK does and Escape what its
// Anuluj does.
class Panel : public QGroupBox {
    Q_OBJECT
public:
    Panel(const QString &caption, QWidget *parent);

    void setKeys(std::function<void()> ok, std::function<void()> cancel);

    // Shown, in front of the other panels where they overlap, with the focus
    // in its first control, so what the player types goes there.
    void open(QWidget *first);
    // Hidden. Holding the focus, it hands it back to the button that opened
    // it rather than to whatever the chain offers next: a key still held
    // would act there.
    void closeTo(QWidget *opener);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::function<void()> ok_, cancel_;
};

} // namespace peg
