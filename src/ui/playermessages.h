// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <utility>

class QMessageBox;
class QWidget;

namespace peg {

// Problems told to the player, each in a message box over the window. Those
// found before the window is on screen wait until it is, rather than stand
// alone before the game appears.
class PlayerMessages : public QObject {
    Q_OBJECT
public:
    using Report = std::function<void(const QString &title, const QString &text)>;
    // beforeBox runs before each box opens (the box takes the window's icon).
    PlayerMessages(QWidget *window, std::function<void()> beforeBox);

    // From now on problems go to report instead of a box: for tests.
    void divertTo(Report report) { report_ = std::move(report); }

    // The message box for a problem, not yet shown.
    static QMessageBox *ProblemBox(QWidget *parent, const QString &title, const QString &text);

    void tell(const QString &title, const QString &text);
    // The window is on screen: the problems held are told now.
    void windowShown();

private:
    QWidget *window_;
    std::function<void()> beforeBox_;
    Report report_;
    QList<std::pair<QString, QString>> pending_;
};

} // namespace peg
