// SPDX-License-Identifier: MIT
#include <QFontInfo>
#include <QMessageBox>
#include <QTimer>

#include "builtintiles.h"
#include "helpwindow.h"
#include "testsupport.h"

using namespace peg;
using namespace peg::testing;

class KelborTest : public QObject {
    Q_OBJECT

    ScratchFolder folder;  // no look or move files: start-up meets an empty folder

    static QImage onScreen(TestWindow &w) { return w.Mapa->grab().toImage().convertToFormat(QImage::Format_RGB32); }

private slots:
    // One row per control of the design: its class, parent, place in pixels
    // (15 twips each), caption and whether it shows at start.
    void controlsStandWhereTheDesignPutsThem_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("shown");
        const struct {
            const char *name, *className, *parent;
            int left, top, width, height;
            const char *caption;
            bool shown;
        } design[] = {
            {"Mapa", "peg::BoardPicture", "Kelbor", 240, 240, 6300, 6300, "", true},
            {"Tiles", "QFrame", "Kelbor", 1920, 120, 4455, 1455, "", false},
            {"PCnieuzyt", "QLabel", "Tiles", 120, 240, 975, 975, "", true},
            {"PCpusty", "QLabel", "Tiles", 1200, 240, 975, 975, "", true},
            {"PCpelny", "QLabel", "Tiles", 2280, 240, 975, 975, "", true},
            {"PCaktual", "QLabel", "Tiles", 3360, 240, 975, 975, "", true},
            {"Label1", "QLabel", "Kelbor", 1920, 6600, 1335, 255, "Pozostało :", true},
            {"LBile", "QLabel", "Kelbor", 3240, 6600, 375, 375, "32", true},
            {"BTNreset", "QPushButton", "Kelbor", 240, 6600, 735, 255, "Reset", true},
            {"BTNzapr", "QPushButton", "Kelbor", 5280, 6600, 1215, 255, "Zapisz Ruchy", true},
            {"BTNOdt", "QPushButton", "Kelbor", 4320, 6600, 855, 255, "Odtwórz", true},
            {"Pomoc", "QPushButton", "Kelbor", 1080, 6600, 735, 255, "Pomoc", true},
            {"BTNmata", "QPushButton", "Kelbor", 3600, 6600, 615, 255, "Mata", true},
            {"FMmod", "peg::Panel", "Mapa", 2160, 1560, 1695, 3375, "Wygląd planszy", false},
            {"Odt", "peg::Panel", "Mapa", 1920, 1560, 2655, 3375, "Odtwórz ", false},
            {"FMzapr", "peg::Panel", "Mapa", 2160, 2880, 1935, 1575, "Zapisz ruchy", false},
            {"MODnazwa", "peg::ElidedLabel", "FMmod", 120, 240, 1455, 255, "Jakaś mata lub coś", true},
            {"FLmod", "QListWidget", "FMmod", 120, 600, 1455, 1845, "", true},
            {"MODzast", "QPushButton", "FMmod", 360, 2520, 975, 255, "Zastosuj", true},
            {"MODok", "QPushButton", "FMmod", 120, 3000, 615, 255, "Ok", true},
            {"MODanul", "QPushButton", "FMmod", 960, 3000, 615, 255, "Anuluj", true},
            {"PlikOd", "QListWidget", "Odt", 120, 240, 1575, 2430, "", true},
            {"SPDQ", "QPushButton", "Odt", 1800, 240, 735, 255, "szybko", true},
            {"SPDM", "QPushButton", "Odt", 1800, 600, 735, 255, "średnio", true},
            {"SPDSL", "QPushButton", "Odt", 1800, 960, 735, 255, "wolno", true},
            {"OdtOK", "QPushButton", "Odt", 120, 2880, 615, 375, "OK", true},
            {"ODTAnu", "QPushButton", "Odt", 1080, 2880, 615, 375, "Anuluj", true},
            {"Label2", "peg::FittedLabel", "FMzapr", 120, 240, 1575, 255, "Plik z zapisem ruchów", true},
            {"plik", "peg::TextField", "FMzapr", 120, 480, 1575, 285, "wynik.txt", true},
            {"ZaprOK", "QPushButton", "FMzapr", 120, 960, 495, 255, "OK", true},
            {"ZaprAnul", "QPushButton", "FMzapr", 960, 960, 735, 255, "Anuluj", true},
        };
        for (const auto &c : design)
            QTest::newRow(c.name) << c.className << c.parent << QRect(c.left, c.top, c.width, c.height)
                                  << QString::fromUtf8(c.caption) << c.shown;
    }

    void controlsStandWhereTheDesignPutsThem()
    {
        QFETCH(QString, className);
        QFETCH(QString, parent);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        QFETCH(bool, shown);
        TestWindow w;
        QWidget *c = w.find<QWidget>(QTest::currentDataTag());
        QCOMPARE(QString::fromLatin1(c->metaObject()->className()), className);
        QCOMPARE(c->parentWidget()->objectName(), parent);
        const QRect px(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
        if (c->objectName() == "Label1" || c->objectName() == "LBile") {
            // The counter's caption grows down to its 12-point bold line.
            QCOMPARE(QRect(c->geometry().topLeft(), QSize(c->width(), 0)), QRect(px.topLeft(), QSize(px.width(), 0)));
            QVERIFY(c->height() >= px.height() && c->height() >= c->fontMetrics().height());
            QVERIFY(c->font().bold() && c->font().pointSize() == 12);
            // Debian's Palatino-like P052, whichever of its files Qt takes.
            const QFontInfo shown(c->font());
            QVERIFY2(shown.family().startsWith(QStringLiteral("P052")) && shown.bold(), qPrintable(shown.family()));
        } else {
            QCOMPARE(c->geometry(), px);
            QCOMPARE(c->font().bold(), false);
        }
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
        QCOMPARE(!c->isHidden(), shown);
        QVERIFY(c->isEnabled());
        if (auto *b = qobject_cast<QPushButton *>(c))
            QVERIFY(!b->isDefault() && !b->autoDefault());  // no default or cancel button
    }

    void theSaveCaptionFitsItsBoxOnceShown()
    {
        ShownKelbor w;
        w.BTNzapr->click();
        QVERIFY(w.Label2->isVisible());
        QVERIFY(w.Label2->fontMetrics().horizontalAdvance(w.Label2->text()) <= w.Label2->width());
        QVERIFY(w.Label2->font().pointSize() <= 8);
    }

    // The window takes its icon after its board's first picture (or, its
    // board never drawn, a moment after showing); a window opened over it
    // before then must find the icon there all the same.
    void theWindowAndWhatOpensOverItCarryTheIconAtEverySize_data()
    {
        QTest::addColumn<QString>("when");
        QTest::newRow("right after the board's first picture") << "drawn";
        QTest::newRow("help opened before the window is shown") << "help";
        QTest::newRow("a start-up problem told before any picture") << "problem";
        QTest::newRow("shown, its board never drawn") << "never drawn";
    }

    void theWindowAndWhatOpensOverItCarryTheIconAtEverySize()
    {
        QFETCH(QString, when);
        ScratchFolder here{{"zla.cfg", ""}};  // an empty look: a problem at start-up
        TestWindow w;
        QVERIFY(w.windowIcon().availableSizes().isEmpty());
        bool painted = false, iconWithThePicture = false;
        int firstPaints = 0;
        connect(w.Mapa, &BoardPicture::firstPainted, &w, [&] {
            painted = true;
            ++firstPaints;
            iconWithThePicture = !w.windowIcon().isNull();
        });
        QList<QSize> sizes;
        for (int size : ICON_SIZES)
            sizes << QSize(size, size);
        const auto carries = [&](const QWidget *window) {
            return window->windowIcon().availableSizes() == sizes && window->windowIcon().cacheKey() == w.windowIcon().cacheKey();
        };
        // The box opens in a loop of its own: look at it from in there.
        bool boxCarried = false, boxSeen = false;
        QTimer boxWatch;
        connect(&boxWatch, &QTimer::timeout, &w, [&] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                boxSeen = true;
                boxCarried = qobject_cast<QMessageBox *>(box) && carries(box);
                box->close();
            }
        });
        if (when != "problem")
            w.reportProblem = [](const QString &, const QString &) {};
        if (when == "drawn") {
            w.show();
            QTRY_VERIFY(painted);
            QVERIFY(!iconWithThePicture);  // not in the same breath as the picture
            QCoreApplication::sendPostedEvents();  // what was queued behind it
            QVERIFY(carries(&w));
            w.Mapa->repaint();
            QCOMPARE(firstPaints, 1);
        } else if (when == "help") {
            w.Pomoc->click();
            QVERIFY(carries(w.helpWindow()));
            QVERIFY(carries(&w));
            // Given once: the board's first picture does not give it again,
            // which would leave the help window's title bar with the old one.
            const qint64 given = w.windowIcon().cacheKey();
            w.show();
            QTRY_VERIFY(painted);
            QCoreApplication::sendPostedEvents();
            QCOMPARE(w.windowIcon().cacheKey(), given);
        } else if (when == "problem") {
            boxWatch.start(10);
            w.Mapa->hide();  // so the box certainly comes before the board's picture
            w.show();
            QTRY_VERIFY(boxSeen);
            QVERIFY(boxCarried);
            QVERIFY(!painted);
        } else {
            w.Mapa->hide();  // as on a desktop that keeps the window minimised
            w.show();
            QTRY_VERIFY(carries(&w));
            QVERIFY(!painted);
        }
    }

    // Panels are built when first opened, in whatever order the player
    // opens them; the focus chain follows the design all the same.
    void focusFollowsTheDesignsTabOrder_data()
    {
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("no panel opened") << QStringList{};
        QTest::newRow("replay only") << QStringList{"BTNOdt"};
        QTest::newRow("save, replay, look") << QStringList{"BTNzapr", "BTNOdt", "BTNmata"};
        QTest::newRow("look, replay, save") << QStringList{"BTNmata", "BTNOdt", "BTNzapr"};
    }

    void focusFollowsTheDesignsTabOrder()
    {
        QFETCH(QStringList, opened);
        const QList<std::pair<QString, QStringList>> design = {
            {"", {"Mapa", "BTNreset", "BTNzapr"}},
            {"BTNzapr", {"plik", "ZaprOK", "ZaprAnul"}},
            {"", {"BTNOdt"}},
            {"BTNOdt", {"PlikOd", "OdtOK", "ODTAnu", "SPDQ", "SPDSL", "SPDM"}},
            {"", {"Pomoc", "BTNmata"}},
            {"BTNmata", {"FLmod", "MODok", "MODanul", "MODzast"}}};
        Kelbor w;
        for (const QString &button : opened)
            qobject_cast<QPushButton *>(w.control(button.toLatin1().constData()))->click();
        QStringList want;
        for (const auto &[panelButton, controls] : design)
            if (panelButton.isEmpty() || opened.contains(panelButton))
                want << controls;
        QStringList chain;
        QWidget *const mapa = w.control("Mapa");
        QWidget *at = mapa;
        do {
            if (at->focusPolicy() & Qt::TabFocus)
                chain << at->objectName();
            at = at->nextInFocusChain();
        } while (at != mapa && chain.size() < 100);
        QCOMPARE(chain, want);
    }

    // Start-up reads the look folder and the first look's name; a panel
    // first opened later shows them as they were then, built only now.
    void theLookPanelFirstOpenedShowsTheFolderAsAtStartUp()
    {
        ScratchFolder folder{{"a.cfg", "A,x,y,z,w"}};
        Kelbor w;
        w.MODanul_Click();  // closing a panel never opened has nothing to do
        w.ZaprAnul_Click();
        w.ODTAnu_Click();
        for (const char *name : {"Odt", "PlikOd", "FMmod", "FLmod", "MODnazwa", "FMzapr", "plik"})
            QVERIFY2(!w.findChild<QWidget *>(QLatin1String(name)), name);
        WriteFile(QStringLiteral("a.cfg"), "Zmieniona,x,y,z,w");
        WriteFile(QStringLiteral("nowy.cfg"), "Nowa,x,y,z,w");
        qobject_cast<QPushButton *>(w.control("BTNmata"))->click();
        QVERIFY(w.control("FMmod")->isVisibleTo(&w));
        auto *list = qobject_cast<QListWidget *>(w.control("FLmod"));
        QCOMPARE(list->count(), 1);
        QVERIFY(list->currentItem());
        QCOMPARE(list->currentItem()->text(), QStringLiteral("a.cfg"));
        QCOMPARE(qobject_cast<QLabel *>(w.control("MODnazwa"))->text(), QStringLiteral("A"));
        QCOMPARE(w.control("Nie ma takiej"), nullptr);
    }

    void startsAtTheStartWithNoPanelOpen()
    {
        ShownKelbor w;
        QCOMPARE(w.size(), QSize(457, 464));
        QCOMPARE(w.LBile->text(), QStringLiteral("32"));
        QVERIFY(!w.FMmod->isVisible() && !w.Odt->isVisible() && !w.FMzapr->isVisible() && !w.Tiles->isVisible());
        QCOMPARE(w.MODnazwa->text(), QStringLiteral("Jakaś mata lub coś"));
        QVERIFY(AtStart(w));
        QCOMPARE(onScreen(w), w.renderer().image());  // the screen shows the persistent image
    }

    void withoutAPlayersFolderTheGameSaysWhereItRuns()
    {
        ScratchFolder folder;
        TestWindow w;
        Problems problems(w);
        w.TellNoPlayerFolder();
        QVERIFY2(problems.last().contains(QDir(folder.dir.path()).dirName()), qPrintable(problems.last()));
    }

    void withNoFilesThePanelButtonsOnlyOpenPanels()
    {
        ShownKelbor w;
        Problems problems(w);
        PressCell(w, 4, 6);
        const QImage before = w.renderer().image();
        for (QPushButton *b : {w.BTNmata, w.MODzast, w.BTNmata, w.BTNOdt, w.OdtOK, w.SPDQ, w.SPDM, w.SPDSL, w.BTNzapr})
            b->click();
        QVERIFY(w.FMmod->isVisible() && w.FMzapr->isVisible() && w.Odt->isVisible() && !w.replayRunning());
        QVERIFY(w.game().hasSelection() && w.renderer().image() == before && problems.texts.isEmpty());
    }

    void resetRestoresTheStartAndLeavesPanelsOpen()
    {
        ShownKelbor w;
        PressCell(w, 4, 6);
        PressCell(w, 4, 4);
        PressCell(w, 2, 4);
        w.BTNmata->click();
        w.BTNzapr->click();
        w.BTNreset->click();
        QVERIFY(AtStart(w) && !w.game().hasSelection() && w.LBile->text() == "32");
        QVERIFY(w.FMmod->isVisible() && w.FMzapr->isVisible());
    }

    void eachPanelClosesByItsOwnButtonOnly_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("panel");
        QTest::newRow("MODanul") << "MODanul" << "FMmod";
        QTest::newRow("ODTAnu") << "ODTAnu" << "Odt";
        QTest::newRow("ZaprAnul") << "ZaprAnul" << "FMzapr";
    }

    void eachPanelClosesByItsOwnButtonOnly()
    {
        QFETCH(QString, button);
        QFETCH(QString, panel);
        ShownKelbor w;
        for (QPushButton *b : {w.BTNmata, w.BTNOdt, w.BTNzapr})
            b->click();
        w.find<QPushButton>(qPrintable(button))->click();
        for (QGroupBox *p : {w.FMmod, w.Odt, w.FMzapr})
            QCOMPARE(p->isVisible(), p->objectName() != panel);
    }

    void aPressInsideAnOpenPanelNeverReachesTheBoard()
    {
        ShownKelbor w;
        w.BTNzapr->click();
        const QPoint insidePanel = w.FMzapr->geometry().center();
        Press(w, insidePanel);
        QVERIFY(!w.game().hasSelection());
        w.ZaprAnul->click();
        Press(w, insidePanel);  // now the board takes it
        QVERIFY(!w.FMzapr->isVisible() && w.game().hasSelection());
    }

    void onlyTheLeftButtonPlays()
    {
        ShownKelbor w;
        Press(w, CellCentre(4, 6), Qt::RightButton);
        Press(w, CellCentre(4, 6), Qt::MiddleButton);
        QVERIFY(!w.game().hasSelection());
    }

    void pressesMapTo60PixelCells_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QPoint>("cell");
        QTest::newRow("last pixel of column 1") << QPoint(59, 239) << QPoint(1, 4);
        QTest::newRow("first pixel of column 2") << QPoint(60, 179) << QPoint(2, 3);
        QTest::newRow("the right edge") << QPoint(419, 180) << QPoint(7, 4);
        QTest::newRow("the bottom edge") << QPoint(180, 419) << QPoint(4, 7);
        QTest::newRow("inside a cell") << QPoint(200, 340) << QPoint(4, 6);
    }

    void pressesMapTo60PixelCells()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QPoint, cell);
        ShownKelbor w;
        Press(w, pixel);
        QCOMPARE(QPoint(w.game().selectedCol(), w.game().selectedRow()), cell);
        QCOMPARE(Cell(onScreen(w), cell.x(), cell.y()), w.renderer().tileImage(Tile::Aktual));
    }

    // Above 100 % Qt hands a press on the board's last device pixel to the
    // window when it rounds to the next logical pixel; the fraction stays.
    void aPressRoundedOffTheBoardsEdgeReachesItsLastCellUnlessLocked()
    {
        ShownKelbor w;
        const auto pressAt = [&](QPointF onMapa) {
            const QPointF scene = onMapa + QPointF(w.Mapa->mapTo(&w, QPoint(0, 0)));
            QMouseEvent press(QEvent::MouseButtonPress, scene, scene, w.mapToGlobal(scene), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&w, &press);
        };
        w.Mapa->setEnabled(false);  // as while a replay runs
        pressAt({419.5, 180});
        QVERIFY(!w.game().hasSelection());
        w.Mapa->setEnabled(true);
        pressAt({420, 180});  // past the board
        QVERIFY(!w.game().hasSelection());
        pressAt({419.5, 180});
        QCOMPARE(QPoint(w.game().selectedCol(), w.game().selectedRow()), QPoint(7, 4));
        pressAt({180, 419.5});
        QCOMPARE(QPoint(w.game().selectedCol(), w.game().selectedRow()), QPoint(4, 7));
    }

    void aMoveByMouseRedrawsItsCellsAndTheCounter()
    {
        ShownKelbor w;
        PressCell(w, 4, 6);
        PressCell(w, 4, 4);
        QVERIFY(w.game().cell(4, 5) == CELL_EMPTY && ImageMatchesBoard(w));
        QCOMPARE(onScreen(w), w.renderer().image());
        QCOMPARE(w.LBile->text(), QStringLiteral("31"));
    }
};

QTEST_MAIN(KelborTest)
#include "kelbor_test.moc"
