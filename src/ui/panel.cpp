// SPDX-License-Identifier: MIT
#include "panel.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace peg {

Panel::Panel(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
    setAutoFillBackground(true);
    hide();
}

void Panel::setKeys(std::function<void()> ok, std::function<void()> cancel)
{
    ok_ = std::move(ok);
    cancel_ = std::move(cancel);
}

void Panel::open(QWidget *first)
{
    show();
    raise();
    first->setFocus(Qt::OtherFocusReason);
    if (auto *field = qobject_cast<QLineEdit *>(first))
        field->selectAll();  // typing replaces the name offered
}

void Panel::closeTo(QWidget *opener)
{
    if (isAncestorOf(window()->focusWidget()))
        opener->setFocus(Qt::OtherFocusReason);
    hide();
}

void Panel::mousePressEvent(QMouseEvent *event)
{
    QGroupBox::mousePressEvent(event);
    event->accept();
}

void Panel::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if ((!enter && event->key() != Qt::Key_Escape) || (event->modifiers() & ~Qt::KeypadModifier)) {
        QGroupBox::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat())
        return;
    if (!enter) {
        if (cancel_)
            cancel_();
    } else if (auto *button = qobject_cast<QPushButton *>(focusWidget()); button && isAncestorOf(button)) {
        // The design's buttons are no defaults and leave Enter to the panel:
        // on one of them it presses that one, anywhere else it is the OK.
        button->click();
    } else if (ok_) {
        ok_();
    }
}

} // namespace peg
