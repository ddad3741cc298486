// SPDX-License-Identifier: MIT
#include "problemmenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "kelbor.h"

namespace peg {

namespace {

// The item that stands for a problem: its own, or its board's picking one.
QAction *ItemOf(const QList<QAction *> &items, const Problem &problem)
{
    for (QAction *item : items) {
        const QVariant v = item->data();
        if (problem.emptyHole >= 0 && problem.goalHole < 0 ? v == QVariant(int(problem.shape))
                                                           : v == QVariant::fromValue<const void *>(&problem))
            return item;
    }
    return nullptr;
}

} // namespace

void FillProblemMenu(QMenu *menu, Kelbor *board)
{
    auto *group = new QActionGroup(menu);
    const auto add = [menu, group](const QString &text, const QVariant &data) {
        QAction *item = menu->addAction(text);
        item->setCheckable(true);
        item->setData(data);
        group->addAction(item);
        return item;
    };
    for (const Problem &p : Problems()) {
        if (p.emptyHole >= 0 && p.goalHole < 0)
            continue;
        QAction *item = add(QString::fromStdString(p.name), QVariant::fromValue<const void *>(&p));
        QObject::connect(item, &QAction::triggered, board, [board, &p] { board->chooseProblem(p); });
        if (&p == &CentralProblem())
            menu->addSeparator();
    }
    menu->addSeparator();
    const std::pair<Shape, const char *> picks[] = {
        {Shape::English, QT_TRANSLATE_NOOP("Problems", "Plansza angielska, wybrane puste pole…")},
        {Shape::French, QT_TRANSLATE_NOOP("Problems", "Plansza francuska, wybrane puste pole…")}};
    for (const auto &[shape, text] : picks) {
        QAction *item = add(QCoreApplication::translate("Problems", text), int(shape));
        QObject::connect(item, &QAction::triggered, board, [board, shape = shape] { board->pickEmptyHole(shape); });
    }
    const auto check = [board, group] {
        if (QAction *item = ItemOf(group->actions(), board->currentProblem()))
            item->setChecked(true);
    };
    check();
    QObject::connect(board, &Kelbor::problemChanged, menu, check);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [board, group] {
        group->setEnabled(!board->replayRunning());
    });
}

} // namespace peg
