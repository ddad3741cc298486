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
    // beforeBox runs before each box opens (the box takes the window's icon);
    // where report is set (by a test), problems go there instead of a box.
    PlayerMessages(QWidget *window, std::function<void()> beforeBox, const Report &report);

    // The message box for a problem, not yet shown.
    static QMessageBox *ProblemBox(QWidget *parent, const QString &title, const QString &text);

    void tell(const QString &title, const QString &text);
    // The window is on screen: the problems held are told now.
    void windowShown();

private:
    QWidget *window_;
    std::function<void()> beforeBox_;
    const Report &report_;
    QList<std::pair<QString, QString>> pending_;
};

} // namespace peg
