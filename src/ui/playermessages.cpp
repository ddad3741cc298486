// SPDX-License-Identifier: MIT
#include "playermessages.h"

#include <QMessageBox>
#include <QTimer>

namespace peg {

PlayerMessages::PlayerMessages(QWidget *window, std::function<void()> beforeBox)
    : QObject(window), window_(window), beforeBox_(std::move(beforeBox))
{
}

QMessageBox *PlayerMessages::ProblemBox(QWidget *parent, const QString &title, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);  // names from files are shown, never interpreted
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

void PlayerMessages::tell(const QString &title, const QString &text)
{
    if (report_) {
        report_(title, text);
        return;
    }
    if (!window_->isVisible()) {
        pending_.append({title, text});
        return;
    }
    beforeBox_();
    ProblemBox(window_, title, text)->exec();
}

void PlayerMessages::windowShown()
{
    if (pending_.isEmpty())
        return;
    QTimer::singleShot(0, this, [this] {
        const auto pending = std::exchange(pending_, {});
        for (const auto &[title, text] : pending)
            tell(title, text);
    });
}

} // namespace peg
