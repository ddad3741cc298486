// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace peg {

// A fixed caption a little too long for its box gets a smaller size, not a
// cut. It is measured when first shown, not when made: the caption lives in
// a panel that most games never open, and measuring loads a font.
class FittedLabel : public QLabel {
    Q_OBJECT
public:
    FittedLabel(const QString &text, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool fitted_ = false;
};

} // namespace peg
