// SPDX-License-Identifier: MIT
#include "testsupport.h"

using namespace peg;
using namespace peg::testing;

class KelborTest : public QObject {
    Q_OBJECT

    ScratchFolder folder;  // no look or move files: start-up meets an empty folder

    static QImage onScreen(TestWindow &w) { return w.Mapa->grab().toImage().convertToFormat(QImage::Format_RGB32); }

private slots:
    void startsAtTheStartAndPanelsOpenAndCloseIndependently()
    {
        ShownKelbor w;
        Problems problems(w);
        QCOMPARE(w.size(), QSize(457, 464));
        QCOMPARE(w.Mapa->geometry(), QRect(16, 16, 420, 420));
        QCOMPARE(w.LBile->text(), QStringLiteral("32"));
        QVERIFY(!w.FMmod->isVisible() && !w.Odt->isVisible() && !w.FMzapr->isVisible() && !w.Tiles->isVisible());
        QCOMPARE(w.MODnazwa->text(), QStringLiteral("Jakaś mata lub coś"));
        QVERIFY(AtStart(w));
        QCOMPARE(onScreen(w), w.renderer().image());  // the screen shows the persistent image
        PressCell(w, 4, 6);
        const QImage before = w.renderer().image();
        // With no look or move file to use, these only open their panels.
        for (QPushButton *b : {w.BTNmata, w.MODzast, w.BTNmata, w.BTNOdt, w.OdtOK, w.SPDQ, w.SPDM, w.SPDSL, w.BTNzapr})
            b->click();
        QVERIFY(w.FMmod->isVisible() && w.FMzapr->isVisible() && w.Odt->isVisible() && !w.replayRunning());
        QVERIFY(w.game().hasSelection() && w.renderer().image() == before && problems.texts.isEmpty());
        w.BTNreset->click();
        QVERIFY(AtStart(w) && !w.game().hasSelection());
        QVERIFY(w.FMmod->isVisible() && w.FMzapr->isVisible() && w.Odt->isVisible());
        w.MODanul->click();
        w.ODTAnu->click();
        QVERIFY(!w.FMmod->isVisible() && w.FMzapr->isVisible() && !w.Odt->isVisible());
        const QPoint insidePanel = w.FMzapr->geometry().center();
        Press(w, insidePanel);
        QVERIFY(!w.game().hasSelection());
        w.ZaprAnul->click();
        Press(w, insidePanel);  // now the board takes it
        QVERIFY(!w.FMzapr->isVisible() && w.game().hasSelection());
    }

    void leftPressesOn60PixelCellsPlayTheGame()
    {
        ShownKelbor w;
        Press(w, CellCentre(4, 6), Qt::RightButton);
        Press(w, CellCentre(4, 6), Qt::MiddleButton);
        QVERIFY(!w.game().hasSelection());
        for (auto [pixel, cell] : {std::pair{QPoint(59, 239), QPoint(1, 4)}, {{60, 179}, {2, 3}}, {{419, 180}, {7, 4}},
                                   {{180, 419}, {4, 7}}, {{200, 340}, {4, 6}}}) {
            Press(w, pixel);
            QCOMPARE(QPoint(w.game().selectedCol(), w.game().selectedRow()), cell);
        }
        QCOMPARE(Cell(onScreen(w), 4, 6), w.renderer().tileImage(Tile::Aktual));
        PressCell(w, 4, 4);
        QVERIFY(w.game().cell(4, 5) == CELL_EMPTY && ImageMatchesBoard(w));
        QCOMPARE(onScreen(w), w.renderer().image());
        QCOMPARE(w.LBile->text(), QStringLiteral("31"));
    }
};

QTEST_MAIN(KelborTest)
#include "kelbor_test.moc"
