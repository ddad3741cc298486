#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "boardpicture.h"
#include "kelbor.h"
#include "testsupport.h"

using namespace peg;

using namespace peg::testing;

class KelborTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString previousDir;

    void expectCell(Kelbor &w, int col, int row, Tile tile)
    {
        QCOMPARE(Cell(w.renderer().image(), col, row), w.renderer().tileImage(tile));
    }

    void expectStartBoard(Kelbor &w)
    {
        for (int c = 1; c <= 7; ++c) {
            for (int r = 1; r <= 7; ++r) {
                const bool hole = (c >= 3 && c <= 5) || (r >= 3 && r <= 5);
                const Tile t = !hole ? Tile::Nieuzyt : (c == 4 && r == 4) ? Tile::Pusty : Tile::Pelny;
                expectCell(w, c, r, t);
            }
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        previousDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void cleanupTestCase() { QDir::setCurrent(previousDir); }

    void startsWithTheStartPositionAndNoPanelOpen()
    {
        Kelbor w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Kelb's Pegboard"));
        QCOMPARE(w.size(), QSize(457, 464));
        QCOMPARE(w.LBile->text(), QStringLiteral("32"));
        QVERIFY(!w.FMmod->isVisible() && !w.Odt->isVisible() && !w.FMzapr->isVisible());
        QVERIFY(!w.Tiles->isVisible());
        QCOMPARE(w.MODnazwa->text(), QStringLiteral("Jakaś mata lub coś"));  // no look file here
        QCOMPARE(w.renderer().image().size(), QSize(420, 420));
        expectStartBoard(w);
        // What is on screen is the persistent image.
        QCOMPARE(w.Mapa->grab().toImage().convertToFormat(QImage::Format_RGB32), w.renderer().image());
    }

    void controlsSitWhereTheDesignPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Mapa") << "Mapa" << QRect(16, 16, 420, 420) << "";
        QTest::newRow("Label1") << "Label1" << QRect(128, 440, 89, 17) << "Pozostało :";
        QTest::newRow("LBile") << "LBile" << QRect(216, 440, 25, 25) << "32";
        QTest::newRow("BTNreset") << "BTNreset" << QRect(16, 440, 49, 17) << "Reset";
        QTest::newRow("BTNzapr") << "BTNzapr" << QRect(352, 440, 81, 17) << "Zapisz Ruchy";
        QTest::newRow("BTNOdt") << "BTNOdt" << QRect(288, 440, 57, 17) << "Odtwórz";
        QTest::newRow("Pomoc") << "Pomoc" << QRect(72, 440, 49, 17) << "Pomoc";
        QTest::newRow("BTNmata") << "BTNmata" << QRect(240, 440, 41, 17) << "Mata";
        QTest::newRow("FMmod") << "FMmod" << QRect(144, 104, 113, 225) << "Wygląd planszy";
        QTest::newRow("Odt") << "Odt" << QRect(128, 104, 177, 225) << "Odtwórz ";
        QTest::newRow("FMzapr") << "FMzapr" << QRect(144, 192, 129, 105) << "Zapisz ruchy";
        QTest::newRow("MODzast") << "MODzast" << QRect(24, 168, 65, 17) << "Zastosuj";
        QTest::newRow("SPDM") << "SPDM" << QRect(120, 40, 49, 17) << "średnio";
        QTest::newRow("SPDSL") << "SPDSL" << QRect(120, 64, 49, 17) << "wolno";
        QTest::newRow("OdtOK") << "OdtOK" << QRect(8, 192, 41, 25) << "OK";
        QTest::newRow("plik") << "plik" << QRect(8, 32, 105, 19) << "wynik.txt";
        QTest::newRow("ZaprAnul") << "ZaprAnul" << QRect(64, 64, 49, 17) << "Anuluj";
        QTest::newRow("PCaktual") << "PCaktual" << QRect(224, 16, 65, 65) << "";
    }

    void controlsSitWhereTheDesignPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        Kelbor w;
        QWidget *c = w.findChild<QWidget *>(name);
        QVERIFY2(c, qPrintable(name));
        QCOMPARE(c->geometry(), geometry);
        QString text;
        if (auto *b = qobject_cast<QAbstractButton *>(c))
            text = b->text();
        else if (auto *l = qobject_cast<QLabel *>(c))
            text = l->text();
        else if (auto *g = qobject_cast<QGroupBox *>(c))
            text = g->title();
        else if (auto *e = qobject_cast<QLineEdit *>(c))
            text = e->text();
        QCOMPARE(text, caption);
    }

    void tabWalksTheVisibleControlsInDesignOrder()
    {
        Kelbor w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.Mapa->setFocus();
        // Hidden panels drop out of the walk.
        const QList<QWidget *> expected = {w.BTNreset, w.BTNzapr, w.BTNOdt, w.Pomoc, w.BTNmata, w.Mapa};
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void playingByMousePressesDrawsAndCounts()
    {
        Kelbor w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Press(w, CellCentre(4, 6));
        expectCell(w, 4, 6, Tile::Aktual);
        QVERIFY(w.game().hasSelection());
        Press(w, CellCentre(4, 4));
        expectCell(w, 4, 6, Tile::Pusty);
        expectCell(w, 4, 5, Tile::Pusty);
        expectCell(w, 4, 4, Tile::Pelny);
        QCOMPARE(w.LBile->text(), QStringLiteral("31"));
        QCOMPARE(w.game().logEntry(31, fromRow), Int16(6));
    }

    void pressesMapToCellsBy60Pixels_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::newRow("just left of 60") << QPoint(59, 200) << 1 << 4;
        QTest::newRow("at 60") << QPoint(60, 200) << 2 << 4;
        QTest::newRow("right edge") << QPoint(419, 200) << 7 << 4;
        QTest::newRow("just above 180") << QPoint(200, 179) << 4 << 3;
        QTest::newRow("at 180") << QPoint(200, 180) << 4 << 4;
        QTest::newRow("bottom edge") << QPoint(200, 419) << 4 << 7;
    }

    void pressesMapToCellsBy60Pixels()
    {
        QFETCH(QPoint, pixel);
        QFETCH(int, col);
        QFETCH(int, row);
        Kelbor w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Press(w, pixel);
        if (w.game().cell(col, row) == CELL_PEG) {
            QVERIFY(w.game().hasSelection());
            QCOMPARE(int(w.game().selectedCol()), col);
            QCOMPARE(int(w.game().selectedRow()), row);
        } else {
            QVERIFY(!w.game().hasSelection());
        }
    }

    void otherButtonsDoNothing()
    {
        Kelbor w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Press(w, CellCentre(4, 6), Qt::RightButton);
        Press(w, CellCentre(4, 6), Qt::MiddleButton);
        QVERIFY(!w.game().hasSelection());
        expectStartBoard(w);
    }

    void aPanelCatchesPressesOverTheBoard()
    {
        Kelbor w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.BTNzapr->click();
        QVERIFY(w.FMzapr->isVisible());
        // (4,4) is under the save panel; (4,6) lies below (4,4) in it too.
        const QPoint insidePanel = w.FMzapr->geometry().center();
        Press(w, insidePanel);
        QVERIFY(!w.game().hasSelection());
        expectStartBoard(w);
        w.ZaprAnul->click();
        Press(w, insidePanel);  // now the board takes it
        QVERIFY(w.game().hasSelection());
    }

    void panelsOpenAndCloseIndependently()
    {
        Kelbor w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.BTNmata->click();
        w.BTNmata->click();
        QVERIFY(w.FMmod->isVisible());
        w.BTNzapr->click();
        w.BTNOdt->click();
        QVERIFY(w.FMmod->isVisible() && w.FMzapr->isVisible() && w.Odt->isVisible());
        w.MODanul->click();
        QVERIFY(!w.FMmod->isVisible() && w.FMzapr->isVisible() && w.Odt->isVisible());
        w.ODTAnu->click();
        QVERIFY(!w.Odt->isVisible() && w.FMzapr->isVisible());
        expectStartBoard(w);
    }

    void resetRestoresTheStartAndLeavesPanelsOpen()
    {
        Kelbor w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Press(w, CellCentre(4, 2));
        Press(w, CellCentre(4, 4));
        Press(w, CellCentre(6, 3));  // a selection that Reset must clear
        QCOMPARE(w.LBile->text(), QStringLiteral("31"));
        w.BTNmata->click();
        w.BTNreset->click();
        QCOMPARE(w.LBile->text(), QStringLiteral("32"));
        QVERIFY(!w.game().hasSelection());
        QVERIFY(w.FMmod->isVisible());
        expectStartBoard(w);
    }

    void cancellingTheSavePanelKeepsTheTypedName()
    {
        Kelbor w;
        w.BTNzapr->click();
        w.plik->setText(QStringLiteral("moja gra.txt"));
        w.ZaprAnul->click();
        w.BTNzapr->click();
        QCOMPARE(w.plik->text(), QStringLiteral("moja gra.txt"));
    }

    void aCoveredBoardRepaintsWithTheSelection()
    {
        Kelbor w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Press(w, CellCentre(3, 4));
        const QImage shown = w.Mapa->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(Cell(shown, 3, 4), w.renderer().tileImage(Tile::Aktual));
    }
};

QTEST_MAIN(KelborTest)
#include "kelbor_test.moc"
