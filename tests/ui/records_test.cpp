// SPDX-License-Identifier: MIT
// The window's files: saves, replays, board looks and the help.
#include <QListWidget>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>

#include "movefile.h"
#include "testsupport.h"

using namespace peg;
using namespace peg::testing;

namespace {

const QByteArray HEADER = "Plik opisujacy ruchy gracza. Ilosc pozostalych:\r\n";
const QByteArray OLD_SAVE = HEADER + " 30 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n";

void TickToTheEnd(Kelbor &w)
{
    for (int i = 0; i < 40 && w.replayRunning(); ++i)
        w.TMOdt_Timer();
}

} // namespace

class RecordsTest : public QObject {
    Q_OBJECT

private slots:
    // A save writes the game under the name as typed, and the replay list
    // shows it. A failed one says which and, only where there was one, that
    // the earlier file is kept; the panel stays open for another name.
    void aSaveWritesTheGameOrKeepsThePanelAndTheOldFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("told");  // empty: saved
        QTest::newRow("saved") << "inna nazwa.txt" << "";
        QTest::newRow("empty name") << "" << "Podaj nazwę pliku, do którego mają trafić ruchy.";
        QTest::newRow("read-only file") << "stary.txt"
                                        << "Nie zapisano ruchów do pliku „stary.txt”: plik jest tylko do odczytu.\n"
                                           "Wcześniejszy plik o tej nazwie jest nietknięty.";
        QTest::newRow("missing folder") << "brak/wynik.txt"
                                        << "Nie zapisano ruchów do pliku „brak/wynik.txt”: folder „brak” nie istnieje.";
    }

    void aSaveWritesTheGameOrKeepsThePanelAndTheOldFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, told);
        ScratchFolder folder{{"stary.txt", OLD_SAVE}};
        QFile::setPermissions(QStringLiteral("stary.txt"), QFileDevice::ReadOwner);
        ShownKelbor w;
        Told problems(w);
        PressCell(w, 4, 6), PressCell(w, 4, 4);
        Click(w, "BTNOdt");  // the replay list read before the save
        Click(w, "BTNzapr");
        Ctl<QLineEdit>(w, "plik")->setText(name);
        Click(w, "ZaprAnul");  // writes nothing, and the name stays as it was left
        Click(w, "BTNzapr");
        QVERIFY(Ctl<QLineEdit>(w, "plik")->text() == name && QDir().entryList(QDir::Files).size() == 1);
        Click(w, "ZaprOK");
        if (told.isEmpty()) {
            QVERIFY(problems.texts.isEmpty() && !Shows(w, "FMzapr"));
            QCOMPARE(ReadFile(name), QByteArray::fromStdString(FormatMoveFile(w.game())));
            Click(w, "BTNOdt");
            QCOMPARE(Ctl<QListWidget>(w, "PlikOd")->currentItem()->text(), name);  // the first of the list
            return;
        }
        QCOMPARE(problems.texts, QStringList{told});
        QVERIFY(Shows(w, "FMzapr"));
        QCOMPARE(ReadFile(QStringLiteral("stary.txt")), OLD_SAVE);
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);
    }

    // The sample full game replayed: the board reset and locked, the
    // panel closed, undo and redo off until the end, at each speed.
    void eachSpeedReplaysTheGameOnALockedBoard_data()
    {
        QTest::addColumn<QStringList>("buttons");  // clicked in turn, each after opening the panel
        QTest::addColumn<int>("interval");
        // The design's speeds, in milliseconds a move.
        QTest::newRow("OK at first") << QStringList{"OdtOK"} << 550;
        QTest::newRow("szybko") << QStringList{"SPDQ"} << 1;
        QTest::newRow("średnio") << QStringList{"SPDSL", "SPDM"} << 550;
        QTest::newRow("wolno") << QStringList{"SPDSL"} << 1200;
        QTest::newRow("OK keeps the last speed") << QStringList{"SPDQ", "OdtOK"} << 1;
    }

    void eachSpeedReplaysTheGameOnALockedBoard()
    {
        QFETCH(QStringList, buttons);
        QFETCH(int, interval);
        const QByteArray sample = ReadFile(QStringLiteral(SAMPLES_DIR "/pelna-gra.txt"));
        ScratchFolder folder{{"pelna.txt", sample}};
        ShownKelbor w;
        Told problems(w);  // a stopped replay's box would wait for a click that never comes
        QAction *undo = w.findChild<QAction *>("undo"), *redo = w.findChild<QAction *>("redo");
        PressCell(w, 4, 6), PressCell(w, 4, 4);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);  // a move to make again
        PressCell(w, 4, 6);                                   // and a selection
        for (const QString &b : buttons) {
            TickToTheEnd(w);
            Click(w, "BTNOdt");
            Click(w, qPrintable(b));
        }
        QVERIFY(IsStartPosition(w.game()) && !w.game().hasSelection() && ImageMatchesBoard(w));
        QVERIFY(!MapaOf(w)->isEnabled() && w.replayRunning() && !Shows(w, "Odt"));
        QCOMPARE(w.findChild<QTimer *>("TMOdt")->interval(), interval);
        QTRY_VERIFY_WITH_TIMEOUT(w.game().pegsLeft() < 32, 5000);  // the timer plays
        QVERIFY(w.replayRunning() && !undo->isEnabled() && !redo->isEnabled());
        Click(w, "BTNreset");  // starts the replay over
        QVERIFY(IsStartPosition(w.game()) && w.replayRunning());
        TickToTheEnd(w);
        QVERIFY(Count(w) == "1" && MapaOf(w)->isEnabled() && !w.replayRunning() && ImageMatchesBoard(w));
        QVERIFY(undo->isEnabled() && !redo->isEnabled());
        QCOMPARE(QByteArray::fromStdString(FormatMoveFile(w.game())), sample);
    }

    // A file refused whole leaves the game in progress as it was; a move
    // that cannot be made stops the replay where it got to. Either way the
    // speed chosen is the one OK takes next.
    void aReplayRefusedLeavesTheGameAndAStoppedOneTheMovesMade_data()
    {
        QTest::addColumn<QByteArray>("file");  // empty: gone after the list was read
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("told");  // what the message must hold
        QTest::newRow("no file listed") << QByteArray() << false << "";
        QTest::newRow("too few moves") << HEADER + " 29 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n" << false << "a.txt";
        QTest::newRow("gone") << QByteArray() << false << "a.txt";
        QTest::newRow("a move onto a peg") << HEADER + " 29 \r\n 4  2  4  4 \r\n 5  3  3  3 \r\n 2  3  4  3 \r\n" << true
                                           << "Odtwarzanie zatrzymane: ruchu nr 2 (5, 3 → 3, 3) nie można wykonać w tej pozycji.";
    }

    void aReplayRefusedLeavesTheGameAndAStoppedOneTheMovesMade()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, starts);
        QFETCH(QString, told);
        ScratchFolder folder{{"a.txt", file}};
        const bool listed = !told.isEmpty();
        if (!listed)
            QFile::remove(QStringLiteral("a.txt"));
        ShownKelbor w;
        Told problems(w);
        PressCell(w, 4, 6), PressCell(w, 4, 4);
        Click(w, "BTNOdt");
        if (file.isEmpty())
            QFile::remove(QStringLiteral("a.txt"));
        Click(w, "SPDSL");
        QCOMPARE(w.replayRunning(), starts);
        QCOMPARE(w.findChild<QTimer *>("TMOdt")->interval(), 1200);
        TickToTheEnd(w);
        QVERIFY2(problems.texts.size() == int(listed) && problems.last().contains(told), qPrintable(problems.last()));
        QVERIFY(MapaOf(w)->isEnabled() && Count(w) == "31" && ImageMatchesBoard(w));  // no highlight left behind
        QCOMPARE(w.game().cell(4, 2), starts ? CELL_EMPTY : CELL_PEG);  // the replay's first move, or the game as it was
        QCOMPARE(Shows(w, "Odt"), !starts);
        w.findChild<QAction *>("undo")->trigger();  // and the move undo takes back
        QVERIFY(AtStart(w));
    }

    void startUpReadsTheLooksAndChoosingOneOnlyNamesIt_data()
    {
        QTest::addColumn<QByteArray>("cfg");
        QTest::addColumn<QString>("name");
        QTest::newRow("Windows-1250") << QByteArray("\"Druga \xb9\x9c\xbf, z przecinkiem\",x") << "Druga ąśż, z przecinkiem";
        QTest::newRow("markup") << QByteArray("\"<b>Gruba</b> & <i>krzywa</i>\",x") << "<b>Gruba</b> & <i>krzywa</i>";
    }

    void startUpReadsTheLooksAndChoosingOneOnlyNamesIt()
    {
        QFETCH(QByteArray, cfg);
        QFETCH(QString, name);
        ScratchFolder folder{{"a.cfg", "A,x,y,z,w"}, {"B.cfg", cfg}};
        Kelbor w;
        WriteFile(QStringLiteral("a.cfg"), "Zmieniona,x,y,z,w");  // after start-up: the panel shows what it read
        WriteFile(QStringLiteral("c.cfg"), "Nowa,x,y,z,w");
        Click(w, "BTNmata");
        auto *list = Ctl<QListWidget>(w, "FLmod");
        const auto *shown = Ctl<QLabel>(w, "MODnazwa");
        QVERIFY(list->count() == 2 && list->currentRow() == 0 && shown->text() == "A");
        list->setCurrentRow(1);  // by name, whatever the case
        QCOMPARE(shown->text(), name);  // drawn as plain text
        QTextDocument tip;              // a tooltip that looks like markup is read as markup
        tip.setHtml(shown->toolTip());
        QCOMPARE(Qt::mightBeRichText(shown->toolTip()) ? tip.toPlainText() : shown->toolTip(), name);
    }

    // A look applied shows at once and stays through Anuluj and Reset; one
    // that cannot be applied changes nothing and its file is named.
    void aLookIsAppliedWholeOrNotAtAll_data()
    {
        QTest::addColumn<QByteArray>("cfg");
        QTest::addColumn<QString>("button");
        const QByteArray sample = ReadFile(QStringLiteral(SAMPLES_DIR "/kontrast.cfg"));
        QTest::newRow("the sample, Zastosuj") << sample << "MODzast";
        QTest::newRow("the sample, Ok") << sample << "MODok";
        QTest::newRow("a missing picture, Zastosuj") << QByteArray("M,kontrast-pusty.png,a,b,c") << "MODzast";
        QTest::newRow("not a picture, Ok") << QByteArray("M,m.cfg,m.cfg,m.cfg,m.cfg") << "MODok";
    }

    void aLookIsAppliedWholeOrNotAtAll()
    {
        QFETCH(QByteArray, cfg);
        QFETCH(QString, button);
        ScratchFolder folder{{"m.cfg", cfg}};
        const QString files[] = {"kontrast-nieuzyt", "kontrast-pusty", "kontrast-pelny", "kontrast-aktual"};  // in Tile order
        for (const QString &f : files)
            for (const QString &name : {f + ".png", f + "@2x.png"})
                QFile::copy(QStringLiteral(SAMPLES_DIR "/") + name, name);
        ShownKelbor w;
        Told problems(w);
        PressCell(w, 4, 6);  // selected while the look changes: still selected
        const QImage peg = w.renderer().tileImage(Tile::Pelny);
        const QImage board = w.renderer().image();
        w.renderer().deviceImage(2);  // the board at 200 % before the look, as a screen there has it
        Click(w, "BTNmata");
        const QString chosen = Ctl<QLabel>(w, "MODnazwa")->text();
        if (cfg.startsWith("\"Wysoki"))  // the file edited between choosing and applying
            WriteFile(QStringLiteral("m.cfg"), cfg.replace("Wysoki", "Zmieniony"));
        Click(w, qPrintable(button));
        QVERIFY(w.game().hasSelection());
        QCOMPARE(Shows(w, "FMmod"), button == "MODzast");  // "Ok" closes the panel first
        if (!QByteArray(QTest::currentDataTag()).startsWith("the sample")) {
            QVERIFY2(problems.texts.size() == 1 && problems.last().contains("m.cfg"), qPrintable(problems.last()));
            QVERIFY(w.renderer().tileImage(Tile::Pelny) == peg && w.renderer().image() == board);
            QCOMPARE(Ctl<QLabel>(w, "MODnazwa")->text(), chosen);
            return;
        }
        QVERIFY(Ctl<QLabel>(w, "MODnazwa")->text().startsWith(QStringLiteral("Zmieniony")));  // the name of the look applied
        QCOMPARE(Cell(OnScreen(w), 1, 1), w.renderer().tileImage(Tile::Nieuzyt));  // the board drawn anew
        Click(w, "BTNmata");
        Click(w, "MODanul");
        Click(w, "BTNreset");
        QVERIFY(AtStart(w) && problems.texts.isEmpty());
        PressCell(w, 4, 6);
        const QPoint cells[] = {{1, 1}, {4, 4}, {4, 5}, {4, 6}};  // one of each tile
        for (int t = 0; t < 4; ++t) {  // the sample's pictures, each where its name says, and at 200 % its @2x
            QCOMPARE(w.renderer().tileImage(Tile(t)), QImage(files[t] + ".png").convertToFormat(QImage::Format_RGB32));
            QCOMPARE(w.renderer().deviceImage(2).copy((cells[t].x() - 1) * 120, (cells[t].y() - 1) * 120, 120, 120),
                     QImage(files[t] + "@2x.png").convertToFormat(QImage::Format_RGB32));
        }
    }

    // The help opens on its contents, read afresh each time. Opened before
    // the board is drawn, when the window's icon has not yet gone out (it
    // follows the board's first picture), it carries that icon.
    void helpIsReadAfreshEachTimeAndLeavesTheGameAlone()
    {
        ScratchFolder folder;
        Kelbor w;
        Click(w, "Pomoc");
        QVERIFY(w.windowIcon().availableSizes().size() > 1);
        QCOMPARE(w.helpWindow()->windowIcon().cacheKey(), w.windowIcon().cacheKey());
        QTextBrowser *browser = w.helpWindow()->browser();
        QVERIFY(w.helpWindow()->isVisible() && browser->toPlainText().contains(QLatin1String(HELP_FILE)));  // cannot be read
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        PressCell(w, 4, 6);
        const QImage board = w.renderer().image();
        WriteFile(QString::fromLatin1(HELP_FILE), "<h1>Spis tre\xc5\x9b" "ci</h1>" + QByteArray("<p>x</p>").repeated(400));
        Click(w, "Pomoc");
        QVERIFY(browser->toPlainText().startsWith(QStringLiteral("Spis treści")));
        browser->verticalScrollBar()->setValue(browser->verticalScrollBar()->maximum());
        Click(w, "Pomoc");
        QCOMPARE(browser->verticalScrollBar()->value(), 0);
        QVERIFY(w.renderer().image() == board && w.game().hasSelection() && w.game().pegsLeft() == 32);
    }

};

QTEST_MAIN(RecordsTest)
#include "records_test.moc"
