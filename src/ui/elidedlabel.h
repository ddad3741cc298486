// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace peg {

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
