// SPDX-License-Identifier: MIT
#include "movefile.h"
#include "testsupport.h"

using namespace peg;
using namespace peg::testing;

namespace {

const QByteArray HEADER = "Plik opisujacy ruchy gracza. Ilosc pozostalych:\r\n";

void Save(TestWindow &w, const QString &name)
{
    w.BTNzapr->click();
    w.plik->setText(name);
    w.ZaprOK->click();
}

QByteArray FullGameFile()
{
    Game g;
    g.NewGame();
    Play(g);
    return QByteArray::fromStdString(FormatMoveFile(g));
}

void TickToTheEnd(TestWindow &w)
{
    for (int i = 0; i < 40 && w.replayRunning(); ++i)
        w.TMOdt_Timer();
}

} // namespace

class RecordsTest : public QObject {
    Q_OBJECT

private slots:
    void aGamePlayedByMouseIsSavedAsItsMoveFile()
    {
        ScratchFolder folder;
        ShownKelbor w;
        for (const Move &m : FULL_GAME) {
            PressCell(w, m.fromCol, m.fromRow);
            PressCell(w, m.toCol, m.toRow);
        }
        QCOMPARE(w.LBile->text(), QStringLiteral("1"));
        Save(w, QStringLiteral("bez-rozszerzenia"));  // used as typed, and off the replay list
        Save(w, QStringLiteral("pelna.txt"));
        QVERIFY(!w.FMzapr->isVisible());
        QCOMPARE(ReadFile(QStringLiteral("pelna.txt")), QByteArray::fromStdString(FormatMoveFile(w.game())));
        QCOMPARE(ReadFile(QStringLiteral("bez-rozszerzenia")), ReadFile(QStringLiteral("pelna.txt")));
        w.BTNOdt->click();  // lists the .txt files saved since start-up, the first chosen
        QVERIFY(w.PlikOd->count() == 1 && w.PlikOd->currentRow() == 0);
    }

    void cancellingTheSavePanelKeepsTheEditedName()
    {
        ScratchFolder folder;
        TestWindow w;
        w.BTNzapr->click();
        w.plik->setText(QStringLiteral("inna nazwa.txt"));
        w.ZaprAnul->click();
        QVERIFY(w.FMzapr->isHidden());
        w.BTNzapr->click();
        QCOMPARE(w.plik->text(), QStringLiteral("inna nazwa.txt"));
        QVERIFY(QDir().entryList(QDir::Files).isEmpty());  // nothing was written
    }

    void aFailedSaveSaysTheEarlierFileIsUntouchedOnlyWhenThereWasOne_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("earlier");
        QTest::newRow("a read-only file") << "stary.txt" << true;
        QTest::newRow("a folder's name") << "folder" << false;
        QTest::newRow("a missing folder") << "brak/nowy.txt" << false;
    }

    void aFailedSaveSaysTheEarlierFileIsUntouchedOnlyWhenThereWasOne()
    {
        QFETCH(QString, name);
        QFETCH(bool, earlier);
        ScratchFolder folder{{"stary.txt", HEADER}};
        QFile::setPermissions(QStringLiteral("stary.txt"), QFileDevice::ReadOwner);
        QDir().mkdir(QStringLiteral("folder"));
        TestWindow w;
        Problems problems(w);
        Save(w, name);
        QVERIFY2(problems.last().startsWith(QStringLiteral("Nie zapisano")), qPrintable(problems.last()));
        QCOMPARE(problems.last().contains(QStringLiteral("nietknięty")), earlier);
    }

    void eachSpeedStartsALockedReplayToTheEnd_data()
    {
        QTest::addColumn<QStringList>("buttons");  // clicked in turn, each after opening the panel
        QTest::addColumn<int>("interval");
        QTest::newRow("OK at first") << QStringList{"OdtOK"} << 550;
        QTest::newRow("szybko") << QStringList{"SPDQ"} << 1;
        QTest::newRow("średnio") << QStringList{"SPDM"} << 550;
        QTest::newRow("wolno") << QStringList{"SPDSL"} << 1200;
        QTest::newRow("OK keeps the last speed") << QStringList{"SPDSL", "OdtOK"} << 1200;
    }

    void eachSpeedStartsALockedReplayToTheEnd()
    {
        QFETCH(QStringList, buttons);
        QFETCH(int, interval);
        ScratchFolder folder{{"pelna.txt", FullGameFile()}};
        ShownKelbor w;
        for (const QString &b : buttons) {
            TickToTheEnd(w);
            w.BTNOdt->click();
            PressCell(w, 4, 6);  // a selection before the replay does not survive it
            w.find<QPushButton>(qPrintable(b))->click();
        }
        QVERIFY(IsStartPosition(w.game()) && !w.game().hasSelection());
        QVERIFY(!w.Mapa->isEnabled() && w.replayRunning() && !w.Odt->isVisible());
        QCOMPARE(w.TMOdt->interval(), interval);
        TickToTheEnd(w);
        QVERIFY(w.LBile->text() == "1" && w.Mapa->isEnabled() && !w.replayRunning() && ImageMatchesBoard(w));
        QCOMPARE(FormatMoveFile(w.game()), FullGameFile().toStdString());
    }

    void theBoardTakesNoPressWhileAReplayRuns()
    {
        ScratchFolder folder{{"pelna.txt", FullGameFile()}};
        ShownKelbor w;
        w.BTNOdt->click();
        w.OdtOK->click();
        PressCell(w, 2, 4);
        QVERIFY(!w.game().hasSelection());
        w.TMOdt_Timer();
        QCOMPARE(w.LBile->text(), QStringLiteral("31"));
    }

    void resetDuringAReplayStartsItOver()
    {
        ScratchFolder folder{{"pelna.txt", FullGameFile()}};
        TestWindow w;
        w.BTNOdt->click();
        w.OdtOK->click();
        w.TMOdt_Timer();
        w.BTNreset->click();
        QVERIFY(IsStartPosition(w.game()) && w.replayRunning());
        TickToTheEnd(w);
        QCOMPARE(w.game().pegsLeft(), Int16(1));
    }

    void aReplayRunsOnTheRealTimer()
    {
        ScratchFolder folder{{"pelna.txt", FullGameFile()}};
        ShownKelbor w;
        w.BTNOdt->click();
        w.SPDQ->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w.replayRunning(), 5000);
        QVERIFY(w.game().pegsLeft() == 1 && w.game().cell(4, 4) == CELL_PEG && ImageMatchesBoard(w));
    }

    void aFileOfNoMovesEndsOnItsFirstTick()
    {
        ScratchFolder folder{{"pusta.txt", HEADER + " 32 \r\n"}};
        ShownKelbor w;
        PressCell(w, 4, 6);
        PressCell(w, 4, 4);
        w.BTNOdt->click();
        w.OdtOK->click();
        QVERIFY(w.replayRunning() && IsStartPosition(w.game()));
        w.TMOdt_Timer();
        QVERIFY(!w.replayRunning() && w.Mapa->isEnabled() && AtStart(w));
    }

    void aFileOrMoveThatCannotBeReplayedIsRefusedAndTheGameGoesOn()
    {
        // a.txt: two good moves first that, taken half-way, would overwrite slot 31.
        // b.txt: the second move lands on a peg.
        ScratchFolder folder{{"a.txt", HEADER + " 29 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n"},
                             {"b.txt", HEADER + " 29 \r\n 4  2  4  4 \r\n 5  3  3  3 \r\n 2  3  4  3 \r\n"}};
        ShownKelbor w;
        Problems problems(w);
        PressCell(w, 4, 6);
        PressCell(w, 4, 4);
        w.BTNOdt->click();
        for (const char *why : {"wiersz 4", "nie istnieje"}) {
            w.OdtOK->click();
            QVERIFY2(problems.last().contains("a.txt") && problems.last().contains(why), qPrintable(problems.last()));
            // The game in progress stays: board, counter and the move undo takes back.
            QVERIFY(w.game().pegsLeft() == 31 && w.game().cell(4, 4) == CELL_PEG && ImageMatchesBoard(w));
            QCOMPARE(w.LBile->text(), QStringLiteral("31"));
            QVERIFY(w.Mapa->isEnabled() && !w.replayRunning() && w.Odt->isVisible());
            QCOMPARE(w.game().logEntry(31, fromRow), Int16(6));
            QFile::remove(QStringLiteral("a.txt"));  // after listing: reading it fails next
        }
        w.UndoMove();
        QVERIFY(AtStart(w));
        w.PlikOd->setCurrentRow(1);
        w.OdtOK->click();
        w.TMOdt_Timer();
        QCOMPARE(problems.texts.size(), 2);
        w.TMOdt_Timer();
        QVERIFY(!w.replayRunning() && w.Mapa->isEnabled());
        QCOMPARE(problems.texts.size(), 3);
        QVERIFY2(problems.last().contains(QStringLiteral("nr 2 (5, 3 → 3, 3)")), qPrintable(problems.last()));
        QCOMPARE(w.game().pegsLeft(), Int16(31));
        QVERIFY(ImageMatchesBoard(w));  // no highlight left behind
        PressCell(w, 4, 6);              // the game goes on from there
        QVERIFY(w.game().hasSelection());
    }
};

QTEST_MAIN(RecordsTest)
#include "records_test.moc"
