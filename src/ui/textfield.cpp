// SPDX-License-Identifier: MIT
#include "textfield.h"

#include <QKeyEvent>

namespace peg {

namespace {

bool IsCtrlY(const QKeyEvent *event)
{
    return event->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

} // namespace

TextField::TextField(const QString &text, QWidget *parent) : QLineEdit(text, parent) {}

bool TextField::event(QEvent *event)
{
    // Claimed before the window's shortcuts see it.
    if (event->type() == QEvent::ShortcutOverride && IsCtrlY(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void TextField::keyPressEvent(QKeyEvent *event)
{
    if (IsCtrlY(event)) {
        redo();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace peg
