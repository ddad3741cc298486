#include <QLabel>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "fullgame.h"
#include "movefile.h"
#include "testsupport.h"

using namespace peg;
using namespace peg::testing;

namespace {

const QByteArray HEADER = "Plik opisujacy ruchy gracza. Ilosc pozostalych:\r\n";
const QByteArray TWO_MOVES = HEADER + " 30 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n";

void PlayFullGame(Kelbor &w)
{
    for (const RecordedMove &m : FULL_GAME) {
        PressCell(w, m.fromCol, m.fromRow);
        PressCell(w, m.toCol, m.toRow);
    }
}

void Save(Kelbor &w, const QString &name)
{
    w.BTNzapr->click();
    w.plik->setText(name);
    w.ZaprOK->click();
}

// Opens the replay panel and picks the named file in its list.
void Choose(Kelbor &w, const QString &name)
{
    w.BTNOdt->click();
    const auto found = w.PlikOd->findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    w.PlikOd->setCurrentItem(found.first());
}

void TickToTheEnd(Kelbor &w)
{
    for (int i = 0; i < 40 && w.replayRunning(); ++i)
        w.TMOdt_Timer();
}

} // namespace

class RecordsTest : public QObject {
    Q_OBJECT

    Kelbor *shown(Kelbor &w)
    {
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            return nullptr;
        return &w;
    }

private slots:
    void savesTheWorkedExampleByteForByte()
    {
        ScratchFolder folder;
        Kelbor w;
        QVERIFY(shown(w));
        PressCell(w, 4, 2);
        PressCell(w, 4, 4);
        PressCell(w, 2, 3);
        PressCell(w, 4, 3);
        Save(w, QStringLiteral("dwa.txt"));
        QCOMPARE(ReadFile(QStringLiteral("dwa.txt")), TWO_MOVES);
        QVERIFY(!w.FMzapr->isVisible());
    }

    void savingAtTheStartWritesOnlyTheCounter()
    {
        ScratchFolder folder;
        Kelbor w;
        QVERIFY(shown(w));
        PressCell(w, 4, 2);
        PressCell(w, 4, 4);
        w.BTNreset->click();
        Save(w, QStringLiteral("wynik.txt"));
        QCOMPARE(ReadFile(QStringLiteral("wynik.txt")), HEADER + " 32 \r\n");
    }

    void aFullGameSavedReplayedAndSavedAgainIsTheSame()
    {
        ScratchFolder folder;
        Kelbor w;
        QVERIFY(shown(w));
        PlayFullGame(w);
        QCOMPARE(w.LBile->text(), QStringLiteral("1"));
        Save(w, QStringLiteral("pelna.txt"));
        const QByteArray first = ReadFile(QStringLiteral("pelna.txt"));
        QCOMPARE(first.size(), 49 + 5 + 31 * 14);

        Choose(w, QStringLiteral("pelna.txt"));
        w.OdtOK->click();
        QVERIFY(w.replayRunning());
        QVERIFY(IsStartPosition(w.game()));
        TickToTheEnd(w);
        QVERIFY(!w.replayRunning());
        QCOMPARE(w.game().pegsLeft(), Int16(1));
        QVERIFY(ImageMatchesBoard(w));
        Save(w, QStringLiteral("znowu.txt"));
        QCOMPARE(ReadFile(QStringLiteral("znowu.txt")), first);
    }

    void replayLocksTheBoardUntilItsLastMove()
    {
        ScratchFolder folder;
        WriteFile(QStringLiteral("dwa.txt"), TWO_MOVES);
        Kelbor w;
        QVERIFY(shown(w));
        PressCell(w, 4, 6);  // a game in progress, thrown away by the replay
        PressCell(w, 4, 4);
        Choose(w, QStringLiteral("dwa.txt"));
        QCOMPARE(w.PlikOd->currentRow(), 0);
        w.OdtOK->click();
        QVERIFY(IsStartPosition(w.game()));
        QCOMPARE(w.game().replayTarget(), Int16(30));
        QVERIFY(!w.Mapa->isEnabled());
        QVERIFY(w.replayRunning());
        QVERIFY(!w.Odt->isVisible());
        QCOMPARE(w.TMOdt->interval(), 550);

        PressCell(w, 4, 6);  // the player cannot interfere
        QVERIFY(!w.game().hasSelection());
        w.TMOdt_Timer();
        QCOMPARE(w.LBile->text(), QStringLiteral("31"));
        QVERIFY(w.replayRunning());
        w.TMOdt_Timer();
        QCOMPARE(w.LBile->text(), QStringLiteral("30"));
        QVERIFY(!w.replayRunning());
        QVERIFY(w.Mapa->isEnabled());
        QCOMPARE(Cell(w.renderer().image(), 4, 3), w.renderer().tileImage(Tile::Pelny));
        QVERIFY(ImageMatchesBoard(w));
    }

    void speedButtonsSetTheIntervalThatOkKeeps_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("interval");
        QTest::newRow("szybko") << "SPDQ" << 1;
        QTest::newRow("średnio") << "SPDM" << 550;
        QTest::newRow("wolno") << "SPDSL" << 1200;
    }

    void speedButtonsSetTheIntervalThatOkKeeps()
    {
        QFETCH(QString, button);
        QFETCH(int, interval);
        ScratchFolder folder;
        WriteFile(QStringLiteral("dwa.txt"), TWO_MOVES);
        Kelbor w;
        QVERIFY(shown(w));
        w.BTNOdt->click();
        w.findChild<QPushButton *>(button)->click();
        QVERIFY(w.replayRunning());
        QCOMPARE(w.TMOdt->interval(), interval);
        TickToTheEnd(w);
        w.BTNOdt->click();
        w.OdtOK->click();
        QCOMPARE(w.TMOdt->interval(), interval);
    }

    void theRealTimerPlaysAFullGameQuicklyAtSzybko()
    {
        ScratchFolder folder;
        Kelbor w;
        QVERIFY(shown(w));
        PlayFullGame(w);
        Save(w, QStringLiteral("pelna.txt"));
        w.BTNreset->click();
        Choose(w, QStringLiteral("pelna.txt"));
        w.SPDQ->click();
        QVERIFY(w.replayRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!w.replayRunning(), 5000);
        QCOMPARE(w.game().pegsLeft(), Int16(1));
        QCOMPARE(w.game().cell(4, 4), CELL_PEG);
        QVERIFY(ImageMatchesBoard(w));
    }

    void resetDuringAReplayStartsItOver()
    {
        ScratchFolder folder;
        WriteFile(QStringLiteral("dwa.txt"), TWO_MOVES);
        Kelbor w;
        QVERIFY(shown(w));
        w.BTNOdt->click();
        w.SPDSL->click();
        w.TMOdt_Timer();
        QCOMPARE(w.game().pegsLeft(), Int16(31));
        w.BTNreset->click();
        QVERIFY(IsStartPosition(w.game()));
        QVERIFY(w.replayRunning());
        QCOMPARE(w.TMOdt->interval(), 1200);
        w.TMOdt_Timer();
        w.TMOdt_Timer();
        QVERIFY(!w.replayRunning());
        QCOMPARE(w.game().pegsLeft(), Int16(30));
    }

    void aFileThatCannotBeReplayedIsRefusedBeforeTheTimerStarts_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("empty") << QByteArray() << "wiersz 1";
        QTest::newRow("counter 0") << HEADER + " 0 \r\n" << "wiersz 2";
        QTest::newRow("counter 33") << HEADER + " 33 \r\n" << "wiersz 2";
        QTest::newRow("counter outside 16 bits") << HEADER + " 40000 \r\n" << "40000";
        QTest::newRow("coordinate 8") << HEADER + " 31 \r\n 4  2  4  8 \r\n" << "wiersz 3";
        QTest::newRow("coordinate 0") << HEADER + " 31 \r\n 0  2  4  4 \r\n" << "wiersz 3";
        QTest::newRow("too few move lines") << HEADER + " 29 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n" << "wiersz 4";
        QTest::newRow("text for a number") << HEADER + " 31 \r\n 4  x  4  4 \r\n" << "„x”";
        QTest::newRow("number for the header") << QByteArray(" 31 \r\n 4  2  4  4 \r\n") << "wiersz 1";
    }

    void aFileThatCannotBeReplayedIsRefusedBeforeTheTimerStarts()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, mentions);
        ScratchFolder folder;
        WriteFile(QStringLiteral("zly.txt"), content);
        Kelbor w;
        Problems problems;
        problems.attach(w);
        QVERIFY(shown(w));
        PressCell(w, 4, 6);
        PressCell(w, 4, 4);
        Choose(w, QStringLiteral("zly.txt"));
        w.OdtOK->click();
        QCOMPARE(problems.texts.size(), 1);
        QVERIFY2(problems.texts[0].contains(QStringLiteral("zly.txt")), qPrintable(problems.texts[0]));
        QVERIFY2(problems.texts[0].contains(mentions), qPrintable(problems.texts[0]));
        QVERIFY(IsStartPosition(w.game()));
        QVERIFY(ImageMatchesBoard(w));
        QVERIFY(w.Mapa->isEnabled());
        QVERIFY(!w.replayRunning());
        QVERIFY(w.Odt->isVisible());
        QCOMPARE(w.game().logEntry(31, fromRow), Int16(6));  // the log is not half overwritten
    }

    void aFileRemovedAfterListingIsReported()
    {
        ScratchFolder folder;
        WriteFile(QStringLiteral("znika.txt"), TWO_MOVES);
        Kelbor w;
        Problems problems;
        problems.attach(w);
        w.BTNOdt->click();
        QFile::remove(QStringLiteral("znika.txt"));
        w.OdtOK->click();
        QCOMPARE(problems.texts.size(), 1);
        QVERIFY(problems.texts[0].contains(QStringLiteral("nie istnieje")));
        QVERIFY(!w.replayRunning());
    }

    void aMoveThatCannotBeMadeStopsTheReplayWhereItIs()
    {
        ScratchFolder folder;
        // The second move lands on a peg.
        WriteFile(QStringLiteral("zly.txt"), HEADER + " 29 \r\n 4  2  4  4 \r\n 5  3  3  3 \r\n 2  3  4  3 \r\n");
        Kelbor w;
        Problems problems;
        problems.attach(w);
        QVERIFY(shown(w));
        w.BTNOdt->click();
        w.OdtOK->click();
        w.TMOdt_Timer();
        QVERIFY(problems.texts.isEmpty());
        w.TMOdt_Timer();
        QVERIFY(!w.replayRunning());
        QVERIFY(w.Mapa->isEnabled());
        QCOMPARE(problems.texts.size(), 1);
        QVERIFY2(problems.texts[0].contains(QStringLiteral("nr 2 (5, 3 → 3, 3)")), qPrintable(problems.texts[0]));
        QCOMPARE(w.game().pegsLeft(), Int16(31));
        QCOMPARE(w.game().cell(4, 4), CELL_PEG);
        QVERIFY(ImageMatchesBoard(w));  // no highlight left behind
        PressCell(w, 4, 6);              // the game goes on from there
        QVERIFY(w.game().hasSelection());
    }

    void withNoMoveFileOkAndSpeedsDoNothing()
    {
        ScratchFolder folder;
        Kelbor w;
        Problems problems;
        problems.attach(w);
        QVERIFY(shown(w));
        PressCell(w, 4, 6);
        PressCell(w, 4, 4);
        w.BTNOdt->click();
        QCOMPARE(w.PlikOd->count(), 0);
        for (QPushButton *b : {w.OdtOK, w.SPDQ, w.SPDM, w.SPDSL})
            b->click();
        QVERIFY(!w.replayRunning());
        QCOMPARE(w.game().pegsLeft(), Int16(31));
        QVERIFY(problems.texts.isEmpty());
    }

    void theListShowsFilesSavedSinceAndOnlyTxt()
    {
        ScratchFolder folder;
        WriteFile(QStringLiteral("b.txt"), TWO_MOVES);
        Kelbor w;
        Save(w, QStringLiteral("a.txt"));
        Save(w, QStringLiteral("bez-rozszerzenia"));
        w.BTNOdt->click();
        QCOMPARE(w.PlikOd->count(), 2);
        QCOMPARE(w.PlikOd->item(0)->text(), QStringLiteral("a.txt"));
        QCOMPARE(w.PlikOd->currentRow(), 0);
        QVERIFY(QFile::exists(QStringLiteral("bez-rozszerzenia")));
    }

    void aFailedSaveKeepsTheOldFileAndThePanel_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("readOnlyOld");
        QTest::newRow("empty name") << "" << false;
        QTest::newRow("missing folder") << "brak/wynik.txt" << false;
        QTest::newRow("a folder") << "." << false;
        QTest::newRow("read-only file") << "stary.txt" << true;
    }

    void aFailedSaveKeepsTheOldFileAndThePanel()
    {
        QFETCH(QString, name);
        QFETCH(bool, readOnlyOld);
        ScratchFolder folder;
        if (readOnlyOld) {
            WriteFile(name, "stara zawartość");
            QFile::setPermissions(name, QFileDevice::ReadOwner);
        }
        Kelbor w;
        Problems problems;
        problems.attach(w);
        QVERIFY(shown(w));
        PressCell(w, 4, 6);
        Save(w, name);
        QCOMPARE(problems.texts.size(), 1);
        QVERIFY(w.FMzapr->isVisible());
        if (readOnlyOld)
            QCOMPARE(ReadFile(name), QByteArray("stara zawartość"));
    }

    void savingTwiceReplacesTheFile()
    {
        ScratchFolder folder;
        Kelbor w;
        QVERIFY(shown(w));
        Save(w, QStringLiteral("wynik.txt"));
        PressCell(w, 4, 2);
        PressCell(w, 4, 4);
        PressCell(w, 2, 3);
        PressCell(w, 4, 3);
        Save(w, QStringLiteral("wynik.txt"));
        QCOMPARE(ReadFile(QStringLiteral("wynik.txt")), TWO_MOVES);
    }
};

QTEST_MAIN(RecordsTest)
#include "records_test.moc"
