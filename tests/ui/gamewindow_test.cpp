// SPDX-License-Identifier: MIT
// The menu bar over the board window: each item does what its button or
// key does, its key works before the menu was ever opened, and the board
// window below looks as it does on its own.
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>

#include "gamewindow.h"
#include "testsupport.h"

using namespace peg;
using namespace peg::testing;

namespace {

// The window on screen, a move made: (4, 2) over (4, 3) into the centre.
struct Played : GameWindow {
    Played()
    {
        show();
        activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(this));
        PressCell(*board(), 4, 2), PressCell(*board(), 4, 4);
    }
};

QAction *Item(QMenu *menu, const QString &text)
{
    emit menu->aboutToShow();  // as Qt does on opening it
    for (QAction *a : menu->actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

} // namespace

class GameWindowTest : public QObject {
    Q_OBJECT

    ScratchFolder folder{{"pegit.html", "<p>pomoc</p>"}};

private slots:
    void eachItemDoesWhatItsKeyDoes_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("then");  // what the game shows after the move
        QTest::newRow("Nowa gra") << "Gra" << "&Nowa gra" << QKeySequence(Qt::CTRL | Qt::Key_N) << "start";
        QTest::newRow("Cofnij") << "Gra" << "&Cofnij" << QKeySequence(Qt::CTRL | Qt::Key_Z) << "start, redo";
        QTest::newRow("Ponów") << "Gra" << "&Ponów" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) << "31, redone";
        QTest::newRow("Podpowiedź") << "Gra" << "Po&dpowiedź" << QKeySequence(Qt::Key_H) << "31, selected";
        QTest::newRow("Dokończ grę") << "Gra" << "Dokończ &grę" << QKeySequence(Qt::CTRL | Qt::Key_D) << "finishing";
        QTest::newRow("Pokazuj") << "Gra" << "Pokazuj, czy można &wygrać" << QKeySequence(Qt::CTRL | Qt::Key_I)
                                 << "Gra centralna: da się wygrać";
        QTest::newRow("Zakończ") << "Gra" << "&Zakończ" << QKeySequence(Qt::CTRL | Qt::Key_Q) << "closed";
        QTest::newRow("Pomoc") << "Pomoc" << "&Pomoc" << QKeySequence(Qt::Key_F1) << "help";
    }
    void eachItemDoesWhatItsKeyDoes()
    {
        QFETCH(QString, menu);
        QFETCH(QString, item);
        QFETCH(QKeySequence, key);
        QFETCH(QString, then);
        for (const bool byMenu : {false, true}) {
            Played w;
            Kelbor &k = *w.board();
            if (then.endsWith("redone"))
                QTest::keySequence(&w, QKeySequence(Qt::CTRL | Qt::Key_Z));
            if (byMenu) {
                QAction *a = Item(menu == "Gra" ? w.gameMenu() : w.helpMenu(), item);
                QVERIFY2(a && a->shortcut() == key, qPrintable(item));  // the menu shows the key beside it
                a->trigger();
            } else {
                QTest::keySequence(&w, key);  // no menu opened yet
            }
            QStringList shown{AtStart(k) ? "start" : QString::number(k.game().pegsLeft())};
            if (then.endsWith("redo"))
                shown << (k.findChild<QAction *>("redo")->isEnabled() ? "redo" : "");
            if (then.endsWith("redone"))
                shown << (k.game().cell(4, 4) == CELL_PEG ? "redone" : "");
            if (then.endsWith("selected"))
                shown << (k.game().hasSelection() ? "selected" : "");
            if (then == "closed")
                shown = QStringList{w.isVisible() ? "open" : "closed"};
            if (then == "finishing")
                shown = QStringList{QTest::qWaitFor([&] { return k.replayRunning(); }, 5000) ? then : "not finishing"};
            if (then.endsWith("wygrać")) {
                (void)QTest::qWaitFor([&] { return k.findChild<QLabel *>("statusLine") &&
                                             !k.findChild<QLabel *>("statusLine")->text().endsWith("…"); }, 5000);
                const auto *line = k.findChild<QLabel *>("statusLine");
                shown = QStringList{line && line->isVisible() ? line->text() : "no line"};
            }
            if (then == "help")
                shown = QStringList{k.helpWindow() && k.helpWindow()->isVisible() ? "help" : "no help"};
            QCOMPARE(shown.join(", "), then);
        }
    }

    // The board window keeps its size and every pixel; the bar takes the
    // board window's face; a menu added later stands before "Pomoc", an
    // item inserted shows in "Gra".
    void theBoardWindowLooksAsOnItsOwn()
    {
        Kelbor alone;
        GameWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.board()->geometry(), QRect(QPoint(0, w.menuBar()->height()), QSize(457, 464)));
        QCOMPARE(w.size(), QSize(457, 464 + w.menuBar()->height()));
        QCOMPARE(w.board()->grab().toImage(), alone.grab().toImage());
        QCOMPARE(w.menuBar()->font(), w.board()->font());
        QCOMPARE(w.windowTitle(), QStringLiteral("Kelb's Pegboard"));
        QTRY_VERIFY_WITH_TIMEOUT(!w.windowHandle()->icon().isNull(), 1000);  // the icon goes to the top-level window

        QStringList titles;
        for (const QAction *a : w.menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles, (QStringList{"&Gra", "&Zadanie", "&Pomoc"}));
    }

    // "Zadanie" chooses a problem or the picking of a hole, and its tick
    // and the title follow the problem however it was chosen.
    void theProblemMenuChoosesAndFollows()
    {
        GameWindow w;
        QMenu *menu = w.menuBar()->actions().at(1)->menu();
        QAction *cross = Item(menu, "Krzyż");
        QVERIFY(Item(menu, "Gra centralna")->isChecked());
        cross->trigger();
        QVERIFY(&w.board()->currentProblem() == FindProblem("krzyz") && cross->isChecked());
        QCOMPARE(w.windowTitle(), QStringLiteral("Kelb's Pegboard – Krzyż"));
        Item(menu, "Plansza francuska, wybrane puste pole…")->trigger();
        QVERIFY(w.board()->picking() == Shape::French && cross->isChecked());
        w.board()->chooseProblem(*FindProblem("angielska-3-1"));  // as a replayed file does
        QVERIFY(Item(menu, "Plansza angielska, wybrane puste pole…")->isChecked());
    }
};

QTEST_MAIN(GameWindowTest)
#include "gamewindow_test.moc"
