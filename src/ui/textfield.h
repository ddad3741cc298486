// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

namespace peg {

// A text field in which every undo and redo key edits the text. Ctrl+Y is
// redo only on some desktops; elsewhere it would pass the field by and make
// a game move again behind the player's back.
class TextField : public QLineEdit {
    Q_OBJECT
public:
    TextField(const QString &text, QWidget *parent);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace peg
