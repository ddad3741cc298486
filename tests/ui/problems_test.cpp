// SPDX-License-Identifier: MIT
// Problems other than the central game: choosing one, saving and replaying
// it, picking the empty hole, finishing a game and the line above the board.
#include <QLabel>
#include <QListWidget>

#include "hintaction.h"
#include "movefile.h"
#include "problemoracle.h"
#include "testsupport.h"

using namespace peg;
using namespace peg::testing;

namespace {

const QByteArray HEADER = "Plik opisujacy ruchy gracza. Ilosc pozostalych:\r\n";
constexpr int WAIT_MS = 5000;  // a figure's knowledge takes up to 2 s on a slow machine

bool BoardIs(Kelbor &w, Grid holes, Grid pegs)
{
    for (int bit = 0; bit < 49; ++bit) {
        const Int16 want = !(holes >> bit & 1) ? CELL_NONE : pegs >> bit & 1 ? CELL_PEG : CELL_EMPTY;
        if (w.game().cell(GridCol(bit), GridRow(bit)) != want)
            return false;
    }
    return ImageMatchesBoard(w);
}

QLabel *Note(Kelbor &w)
{
    auto *note = w.findChild<QLabel *>(QStringLiteral("hintNote"));
    return note && note->isVisible() ? note : nullptr;
}

QString StatusLine(Kelbor &w)
{
    const auto *line = w.findChild<QLabel *>(QStringLiteral("statusLine"));
    return line && line->isVisible() ? line->text() : QString();
}

// Plays on until a move after which the goal can no longer be reached.
void PlayLosingMove(Kelbor &w)
{
    const Problem &problem = w.currentProblem();
    Oracle oracle(problem);
    for (int tries = 0; tries < 5; ++tries) {
        const Grid p = GridOf(w.game());
        const std::vector<Move> winning = oracle.Ask(p).winning;
        Move m = winning.front();
        for (const GridJump &j : Board::Of(problem.shape).jumps())
            if (CanJump(p, j) && std::find(winning.begin(), winning.end(), GridMove(j)) == winning.end())
                m = GridMove(j);
        PressCell(w, m.fromCol, m.fromRow), PressCell(w, m.toCol, m.toRow);
        if (oracle.Ask(GridOf(w.game())).verdict == Verdict::Unreachable)
            return;
    }
    QFAIL("no losing move");
}

void PlayFirstJump(Kelbor &w)
{
    for (const GridJump &j : Board::Of(w.currentProblem().shape).jumps())
        if (CanJump(GridOf(w.game()), j)) {
            const Move m = GridMove(j);
            PressCell(w, m.fromCol, m.fromRow), PressCell(w, m.toCol, m.toRow);
            return;
        }
}

} // namespace

class ProblemsTest : public QObject {
    Q_OBJECT

private slots:
    // A problem starts on its board, is saved naming it, and its file
    // replayed from another problem sets it up again.
    void aProblemIsSetUpSavedAndReplayed_data()
    {
        QTest::addColumn<QString>("id");
        QTest::newRow("figure") << "krzyz";
        QTest::newRow("English, one hole empty") << "angielska-3-1";
        QTest::newRow("French") << "francuska-4-3";
    }

    void aProblemIsSetUpSavedAndReplayed()
    {
        QFETCH(QString, id);
        const Problem &problem = *FindProblem(id.toStdString());
        ScratchFolder folder;
        ShownKelbor w;
        Told told(w);
        w.chooseProblem(problem);
        const Grid holes = Board::Of(problem.shape).holes();
        QVERIFY(BoardIs(w, holes, problem.start));
        QCOMPARE(Count(w), QString::number(StartPegs(problem)));
        PlayFirstJump(w);
        const Grid played = GridOf(w.game());
        QCOMPARE(Count(w), QString::number(StartPegs(problem) - 1));

        Click(w, "BTNzapr");
        Ctl<QLineEdit>(w, "plik")->setText(QStringLiteral("zadanie.txt"));
        Click(w, "ZaprOK");
        QVERIFY(ReadFile(QStringLiteral("zadanie.txt")).startsWith(HEADER + "Zadanie: " + id.toUtf8() + "\r\n"));

        w.chooseProblem(CentralProblem());
        QVERIFY(AtStart(w));
        Click(w, "BTNOdt");
        Click(w, "SPDQ");
        QCOMPARE(&w.currentProblem(), &problem);
        QTRY_VERIFY_WITH_TIMEOUT(!w.replayRunning(), WAIT_MS);
        QVERIFY(BoardIs(w, holes, played) && told.texts.isEmpty());
        Click(w, "BTNreset");  // starts this problem again
        QVERIFY(BoardIs(w, holes, problem.start));
    }

    // "Dokończ grę" plays a winning line to the goal as a replay whose moves
    // undo takes back; on the central game and every figure it always can.
    void finishingEndsInTheGoal_data()
    {
        QTest::addColumn<QString>("id");
        for (const Problem &p : Problems())
            if (p.goalHole >= 0)
                QTest::newRow(p.id.c_str()) << QString::fromStdString(p.id);
    }

    void finishingEndsInTheGoal()
    {
        QFETCH(QString, id);
        const Problem &problem = *FindProblem(id.toStdString());
        ShownKelbor w;
        w.chooseProblem(problem);
        w.findChild<QTimer *>(QStringLiteral("TMOdt"))->setInterval(1);
        PressCell(w, 4, 4);  // a selection is dropped, and its highlight with it
        w.FinishGame();
        QTRY_VERIFY_WITH_TIMEOUT(w.replayRunning() || IsGoal(problem, GridOf(w.game())), WAIT_MS);
        QTRY_VERIFY_WITH_TIMEOUT(!w.replayRunning(), WAIT_MS);
        QVERIFY(IsGoal(problem, GridOf(w.game())) && Count(w) == "1" && ImageMatchesBoard(w));
        QVERIFY(w.findChild<QAction *>(QStringLiteral("undo"))->isEnabled());
        w.findChild<QAction *>(QStringLiteral("undo"))->trigger();
        QCOMPARE(Count(w), QStringLiteral("2"));
    }

    // H on a figure, its knowledge made after the window asked, followed to
    // the end with the cursor's key.
    void hintsOnAFigureLeadToTheCentre()
    {
        ShownKelbor w;
        w.chooseProblem(*FindProblem("romb"));
        MapaOf(w)->setFocus();
        for (int made = 0; Count(w) != "1"; ++made) {
            QVERIFY(made < 36);
            w.hints()->hint();
            QTRY_VERIFY_WITH_TIMEOUT(w.game().hasSelection(), WAIT_MS);
            QTest::keyClick(MapaOf(w), Qt::Key_Space);
            QVERIFY(!w.game().hasSelection());
        }
        QCOMPARE(w.game().cell(4, 4), CELL_PEG);
    }

    // An answer that comes after the position changed is dropped: no peg
    // selected and no note for a position no longer on the board.
    void aLateAnswerIsDropped()
    {
        ShownKelbor w;
        w.chooseProblem(*FindProblem("francuska-4-3"));
        w.hints()->hint();
        PlayFirstJump(w);
        QTest::qWait(3 * ProblemOracle::PROOF_MS);
        QVERIFY(!w.game().hasSelection() && !Note(w));
    }

    // From a lost position nothing is played and a note says why.
    void finishingALostGameChangesNothing()
    {
        ShownKelbor w;
        w.chooseProblem(*FindProblem("krzyz"));
        PlayLosingMove(w);
        QCOMPARE(Count(w), QStringLiteral("5"));
        const Grid before = GridOf(w.game());
        w.FinishGame();
        QTRY_VERIFY_WITH_TIMEOUT(Note(w), WAIT_MS);
        QCOMPARE(Note(w)->text(), QStringLiteral("Z tej pozycji nie da się już zostawić jednego piona w środku"));
        QVERIFY(!w.replayRunning() && GridOf(w.game()) == before);
    }

    // The board full waits for the hole to leave empty; Escape brings the
    // game in progress back, moves taken back included.
    void theEmptyHoleIsPickedOnTheBoard()
    {
        ShownKelbor w;
        PressCell(w, 4, 6), PressCell(w, 4, 4);
        PressCell(w, 4, 3), PressCell(w, 4, 5);
        w.findChild<QAction *>(QStringLiteral("undo"))->trigger();
        const Grid inProgress = GridOf(w.game());

        w.pickEmptyHole(Shape::French);
        const Grid french = Board::Of(Shape::French).holes();
        QVERIFY(BoardIs(w, french, french) && StatusLine(w).startsWith(QStringLiteral("Kliknij pole")));
        QTest::keyClick(MapaOf(w), Qt::Key_H);  // no hint, no note: nothing is being played
        QVERIFY(!Note(w));
        PressCell(w, 2, 2);  // one peg can never be left from here
        QVERIFY(Note(w) && Note(w)->text().contains(QStringLiteral("kolumnie 2, rzędzie 2")));
        QVERIFY(w.picking() && BoardIs(w, french, french));

        QTest::keyClick(MapaOf(w), Qt::Key_Escape);
        QVERIFY(!w.picking() && &w.currentProblem() == &CentralProblem() && GridOf(w.game()) == inProgress);
        QVERIFY(ImageMatchesBoard(w) && Count(w) == "31" && StatusLine(w).isEmpty());
        QVERIFY(w.findChild<QAction *>(QStringLiteral("redo"))->isEnabled());

        w.pickEmptyHole(Shape::English);
        PressCell(w, 3, 1);
        const Problem &picked = *FindProblem("angielska-3-1");
        QVERIFY(!w.picking() && &w.currentProblem() == &picked);
        QVERIFY(BoardIs(w, Board::Of(Shape::English).holes(), picked.start) && Count(w) == "32");
    }

    // The line above the board says after each move whether the goal can
    // still be reached, and is gone when switched off.
    void theLineAboveTheBoardFollowsThePosition()
    {
        ShownKelbor w;
        const QImage before = w.grab().toImage();
        w.setShowWinnable(true);
        QTRY_COMPARE_WITH_TIMEOUT(StatusLine(w), QStringLiteral("Gra centralna: da się wygrać"), WAIT_MS);
        PressCell(w, 4, 6), PressCell(w, 4, 4);
        PlayLosingMove(w);
        QTRY_COMPARE_WITH_TIMEOUT(StatusLine(w), QStringLiteral("Gra centralna: przegrana"), WAIT_MS);
        w.chooseProblem(*FindProblem("francuska-4-3"));
        const QString french = QString::fromStdString(FindProblem("francuska-4-3")->name) + ": ";
        QVERIFY(StatusLine(w) == french + "…");
        QTRY_VERIFY_WITH_TIMEOUT(StatusLine(w).startsWith(french) && !StatusLine(w).endsWith("…"), WAIT_MS);
        w.chooseProblem(CentralProblem());
        w.setShowWinnable(false);
        QCOMPARE(w.grab().toImage(), before);
    }
};

QTEST_MAIN(ProblemsTest)
#include "problems_test.moc"
