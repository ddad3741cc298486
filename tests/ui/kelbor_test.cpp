// SPDX-License-Identifier: MIT
// The window: how it starts, its panels, presses, keys and what a screen
// reader hears.
#include <QAccessible>
#include <QAction>
#include <QFontInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "helpwindow.h"
#include "hintaction.h"
#include "movefile.h"
#include "testsupport.h"
#include "gamewords.h"

using namespace peg;
using namespace peg::testing;

namespace {

void Key(QWidget *to, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(to, key, modifiers); }

QString Spoken(QWidget *w, QAccessible::Text what) { return QAccessible::queryAccessibleInterface(w)->text(what); }

} // namespace

class KelborTest : public QObject {
    Q_OBJECT

    ScratchFolder folder;  // no look or move files: start-up meets an empty folder

private slots:
    void startsAtTheStartWithNoPanelBuiltYet()
    {
        ShownKelbor w;
        QCOMPARE(w.size(), QSize(457, 464));
        QCOMPARE(Board(w)->geometry(), QRect(16, 16, 420, 420));
        QVERIFY(AtStart(w) && !Shows(w, "Tiles"));
        QCOMPARE(OnScreen(w), w.renderer().image());  // the screen shows the board's image
        for (const char *panel : {"Odt", "FMmod", "FMzapr"})
            QVERIFY2(!w.findChild<QWidget *>(QLatin1String(panel)), panel);  // built when first opened
        // The counter in Debian's Palatino-like bold face, grown down so the letters' feet show.
        for (const char *name : {"Label1", "LBile"}) {
            const QLabel *l = Ctl<QLabel>(w, name);
            const QFontInfo face(l->font());
            QVERIFY2(face.family().startsWith(QStringLiteral("P052")) && face.bold(), qPrintable(face.family()));
            QVERIFY(l->font().pointSize() == 12 && l->height() >= l->fontMetrics().height());
        }
    }

    // The icon goes out late, after the board's first picture, yet a window
    // opened over the game before then carries it.
    void theHelpOpenedBeforeTheBoardIsDrawnCarriesTheIcon()
    {
        Kelbor w;
        Click(w, "Pomoc");
        QVERIFY(w.windowIcon().availableSizes().size() > 1);
        QCOMPARE(w.helpWindow()->windowIcon().cacheKey(), w.windowIcon().cacheKey());
    }

    // Problems found before the window shows wait for it; each box then
    // carries the window's icon though the board has not been drawn.
    void problemsWaitForTheWindowAndTheirBoxesCarryItsIcon()
    {
        ScratchFolder here{{"zla.cfg", ""}};  // an empty look: a problem at start-up
        QStringList told;
        Kelbor *shown = nullptr;
        QTimer boxWatch;  // a box opens in a loop of its own: look at it from in there
        connect(&boxWatch, &QTimer::timeout, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                const QIcon icon = box->windowIcon();
                told << (shown && !icon.isNull() && icon.cacheKey() == shown->windowIcon().cacheKey() ? box->text() : "no icon");
                box->close();
            }
        });
        boxWatch.start(10);
        Kelbor w;
        w.TellNoPlayerFolder();  // as the game does when it runs in a stand-in folder
        QTest::qWait(50);
        QVERIFY(told.isEmpty());
        shown = &w;
        Board(w)->hide();  // so the boxes certainly come before the board's picture
        w.show();
        QTRY_COMPARE(told.size(), 2);
        QVERIFY2(told[0].contains(QStringLiteral("zla.cfg")), qPrintable(told[0]));
        QVERIFY2(told[1].contains(QDir(here.dir.path()).dirName()), qPrintable(told[1]));  // where the game runs
    }

    // Panels are built when first opened, in whatever order; Tab keeps one
    // order over them all.
    void tabKeepsOneOrderWhateverOrderPanelsOpenIn()
    {
        const auto chain = [](const QStringList &opened) {
            Kelbor w;
            for (const QString &button : opened)
                Click(w, qPrintable(button));
            QStringList names;
            QWidget *at = Board(w);
            do {
                if (at->focusPolicy() & Qt::TabFocus)
                    names << at->objectName();
                at = at->nextInFocusChain();
            } while (at != Board(w) && names.size() < 100);
            return names;
        };
        const QStringList all = chain({"BTNzapr", "BTNOdt", "BTNmata"});
        QCOMPARE(chain({"BTNmata", "BTNOdt", "BTNzapr"}), all);
        QCOMPARE(all.indexOf("plik"), all.indexOf("BTNzapr") + 1);  // from "Zapisz Ruchy" to its field
    }

    void eachPanelClosesByItsOwnButtonAndHandsFocusBack_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("opener");
        QTest::newRow("MODanul") << "MODanul" << "BTNmata";
        QTest::newRow("MODok, no look") << "MODok" << "BTNmata";
        QTest::newRow("ODTAnu") << "ODTAnu" << "BTNOdt";
        QTest::newRow("ZaprAnul") << "ZaprAnul" << "BTNzapr";
        QTest::newRow("ZaprOK, saved") << "ZaprOK" << "BTNzapr";
    }

    void eachPanelClosesByItsOwnButtonAndHandsFocusBack()
    {
        QFETCH(QString, button);
        QFETCH(QString, opener);
        ScratchFolder here;
        ShownKelbor w;
        for (const char *b : {"BTNmata", "BTNOdt", "BTNzapr"})
            Click(w, b);
        QPushButton *closer = Ctl(w, qPrintable(button));
        closer->setFocus();  // a key held there would act on whatever takes the focus next
        closer->click();
        for (const char *p : {"FMmod", "Odt", "FMzapr"})
            QCOMPARE(Shows(w, p), p != QLatin1String(ControlFactory::PanelOf(qPrintable(button))));
        QCOMPARE(QApplication::focusWidget(), Ctl(w, qPrintable(opener)));
    }

    void withNoFilesTheButtonsOnlyOpenPanelsAndResetKeepsThemOpen()
    {
        ShownKelbor w;
        Problems problems(w);
        PressCell(w, 4, 6), PressCell(w, 4, 4), PressCell(w, 2, 4);  // a move and a selection
        const QImage before = w.renderer().image();
        for (const char *b : {"BTNmata", "MODzast", "MODok", "BTNmata", "BTNOdt", "OdtOK", "SPDQ", "SPDM", "SPDSL", "BTNzapr"})
            Click(w, b);
        QVERIFY(problems.texts.isEmpty() && w.renderer().image() == before && w.game().hasSelection() && !w.replayRunning());
        Click(w, "BTNreset");
        QVERIFY(AtStart(w) && !w.game().hasSelection() && Shows(w, "FMmod") && Shows(w, "Odt") && Shows(w, "FMzapr"));
        const QLabel *caption = Ctl<QLabel>(w, "Label2");  // shrunk to fit its box once shown
        QVERIFY(caption->fontMetrics().horizontalAdvance(caption->text()) <= caption->width());
    }

    // Cells are 60 pixels; a position between two device pixels (a screen
    // above 100 %) belongs to the cell it lies in, even where Qt rounds it
    // off the board's edge.
    void aPressSelectsTheCellItLandsIn_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("during");
        QTest::addColumn<QPoint>("cell");  // (0, 0): nothing selected
        const int left = Qt::LeftButton;
        QTest::newRow("inside a cell") << QPointF(200, 340) << left << "" << QPoint(4, 6);
        QTest::newRow("column 1's last device pixel at 300 %") << QPointF(179 / 3.0, 210) << left << "" << QPoint(1, 4);
        QTest::newRow("column 2's first pixel") << QPointF(60, 210) << left << "" << QPoint(2, 4);
        QTest::newRow("rounded off the right edge") << QPointF(419.5, 210) << left << "" << QPoint(7, 4);
        QTest::newRow("rounded off the bottom edge") << QPointF(210, 419.5) << left << "" << QPoint(4, 7);
        QTest::newRow("past the right edge") << QPointF(420, 210) << left << "" << QPoint();
        QTest::newRow("just left of the board") << QPointF(-0.4, 210) << left << "" << QPoint();
        QTest::newRow("right button") << QPointF(200, 340) << int(Qt::RightButton) << "" << QPoint();
        QTest::newRow("locked by a replay") << QPointF(200, 340) << left << "replay" << QPoint();
        QTest::newRow("locked, rounded off the edge") << QPointF(419.5, 210) << left << "replay" << QPoint();
        QTest::newRow("on the open save panel") << QPointF(208, 244) << left << "save" << QPoint();
    }

    void aPressSelectsTheCellItLandsIn()
    {
        QFETCH(QPointF, at);
        QFETCH(int, button);
        QFETCH(QString, during);
        QFETCH(QPoint, cell);
        ScratchFolder here{{"r.txt", ReadFile(QStringLiteral(SAMPLES_DIR "/przyklad.txt"))}};
        ShownKelbor w;
        if (during == "replay")
            Click(w, "BTNOdt"), Click(w, "SPDSL");  // wolno: no move before the press
        else if (during == "save")
            Click(w, "BTNzapr");
        Press(w, at, Qt::MouseButton(button));
        QCOMPARE(w.game().hasSelection() ? QPoint(w.game().selectedCol(), w.game().selectedRow()) : QPoint(), cell);
        if (!cell.isNull())
            QCOMPARE(Cell(OnScreen(w), cell.x(), cell.y()), w.renderer().tileImage(Tile::Aktual));
    }

    // The cursor shows from the first arrow, on screen only; Space and
    // Enter act as a press on its cell, and a screen reader hears it.
    void theCursorPlaysItsCellAndAScreenReaderHearsIt()
    {
        ShownKelbor w;
        BoardPicture *board = Board(w);
        board->setFocus();
        QCOMPARE(Spoken(board, QAccessible::Name), QStringLiteral("Plansza"));
        const auto hears = [&](int col, int row, Int16 code, bool selected) {
            return Spoken(board, QAccessible::Description) == QString::fromStdString(CellText(col, row, code, selected));
        };
        const QImage image = w.renderer().image();
        Key(board, Qt::Key_Down);  // shows it on the centre
        QVERIFY(board->cursorShown() && hears(4, 4, CELL_EMPTY, false) && OnScreen(w) != image && w.renderer().image() == image);
        Key(board, Qt::Key_Down), Key(board, Qt::Key_Down);
        QVERIFY(hears(4, 6, CELL_PEG, false));
        Key(board, Qt::Key_Space);
        QVERIFY(w.game().hasSelection() && hears(4, 6, CELL_PEG, true));
        Key(board, Qt::Key_Up), Key(board, Qt::Key_Up);
        QVERIFY(hears(4, 4, CELL_EMPTY, false));
        Key(board, Qt::Key_Return);
        QVERIFY(hears(4, 4, CELL_PEG, false) && w.game().cell(4, 5) == CELL_EMPTY && ImageMatchesBoard(w) && Count(w) == "31");
        PressCell(w, 4, 2);  // a press hides the cursor
        QVERIFY(!board->cursorShown() && OnScreen(w) == w.renderer().image());
        QCOMPARE(Spoken(Ctl<QLabel>(w, "LBile"), QAccessible::Name), QString::fromStdString(PegsLeftName(31)));
        for (const char *b : {"BTNmata", "BTNOdt", "BTNzapr"})
            Click(w, b);
        for (QWidget *c : w.findChildren<QWidget *>())
            if (!c->objectName().isEmpty() && !c->objectName().startsWith(QLatin1String("qt_")))  // not Qt's own parts
                QVERIFY2(!Spoken(c, QAccessible::Name).trimmed().isEmpty(), qPrintable(c->objectName()));
    }

    // Undo and redo act when there is a move for them. In the name field
    // both edit the name: Ctrl+Y is redo only on some desktops, and must
    // not pass the field by to make a move again behind it.
    void undoKeysActOnTheGameWhenTheyCanAndOnTheNameInItsField()
    {
        ScratchFolder here;
        ShownKelbor w;
        QAction *undo = w.findChild<QAction *>("undo"), *redo = w.findChild<QAction *>("redo");
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        PressCell(w, 4, 2), PressCell(w, 4, 4), PressCell(w, 2, 3), PressCell(w, 4, 3);
        const QImage two = w.renderer().image();
        QVERIFY(undo->isEnabled() && !redo->isEnabled());
        Key(&w, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(w.game().cell(2, 3) == CELL_PEG && w.game().cell(4, 3) == CELL_EMPTY && ImageMatchesBoard(w) && Count(w) == "31");
        Key(&w, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(AtStart(w) && !undo->isEnabled() && redo->isEnabled());
        Key(&w, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(w.game().pegsLeft() == 31 && undo->isEnabled() && redo->isEnabled());
        Click(w, "BTNzapr");
        auto *field = Ctl<QLineEdit>(w, "plik");
        field->setFocus();
        field->end(false);
        Key(field, Qt::Key_Backspace);
        Key(field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field->text(), QStringLiteral("wynik.txt"));
        Key(field, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(field->text() == "wynik.tx" && w.game().pegsLeft() == 31);
        Key(field, Qt::Key_Return);  // saves, under the name as typed
        QVERIFY(!Shows(w, "FMzapr"));
        QCOMPARE(ReadFile(QStringLiteral("wynik.tx")), QByteArray::fromStdString(FormatMoveFile(w.game())));
        Key(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(w.renderer().image() == two && !redo->isEnabled());
    }

    // H selects a winning move's peg as a click would and leaves the cursor
    // on its target, the next one each time; in the name field it is a
    // letter, and a replay takes no hint.
    void hintsShowTheWinningMovesInTurn()
    {
        ScratchFolder here{{"r.txt", ReadFile(QStringLiteral(SAMPLES_DIR "/przyklad.txt"))}};
        ShownKelbor w;
        BoardPicture *board = Board(w);
        QList<Move> shown;
        for (int ask = 0; ask < 5; ++ask) {
            Key(&w, Qt::Key_H);
            const Game &g = w.game();
            QVERIFY(g.hasSelection() && board->cursorShown() && board->hasFocus());
            QCOMPARE(Cell(OnScreen(w), g.selectedCol(), g.selectedRow()), w.renderer().tileImage(Tile::Aktual));
            shown << Move{g.selectedCol(), g.selectedRow(), Int16(board->cursor().col), Int16(board->cursor().row)};
        }
        QCOMPARE(shown, (QList<Move>{{4, 2, 4, 4}, {2, 4, 4, 4}, {6, 4, 4, 4}, {4, 6, 4, 4}, {4, 2, 4, 4}}));
        Key(board, Qt::Key_Space);
        QVERIFY(w.game().cell(4, 2) == CELL_EMPTY && ImageMatchesBoard(w) && Count(w) == "31");
        Key(&w, Qt::Key_Z, Qt::ControlModifier), Key(&w, Qt::Key_H);  // the same position: the first hint again
        QVERIFY(w.game().selectedCol() == 4 && w.game().selectedRow() == 2);
        Key(board, Qt::Key_Space);
        Click(w, "BTNzapr");
        auto *field = Ctl<QLineEdit>(w, "plik");
        field->setFocus();
        field->end(false);
        Key(field, Qt::Key_H);
        QVERIFY(field->text() == "wynik.txth" && !w.game().hasSelection());
        Click(w, "ZaprAnul"), Click(w, "BTNOdt"), Click(w, "SPDSL");  // wolno: no move before the key
        Key(&w, Qt::Key_H);
        QVERIFY(w.replayRunning() && !w.game().hasSelection());
    }

    void aLostPositionTakesNoHintButANoteThatGoes_data()
    {
        QTest::addColumn<QList<Move>>("moves");
        QTest::addColumn<QString>("note");
        const QList<Move> opening = {{4, 2, 4, 4}, {4, 5, 4, 3}, {2, 4, 4, 4}};
        QTest::newRow("moves left") << opening + QList<Move>{{4, 3, 4, 5}} << QString::fromStdString(NoWinningMoveText());
        QTest::newRow("none left") << opening + QList<Move>{{5, 4, 3, 4}, {7, 4, 5, 4}, {4, 7, 4, 5}}
                                   << QString::fromStdString(GameOverText(26, false));
    }
    void aLostPositionTakesNoHintButANoteThatGoes()
    {
        QFETCH(QList<Move>, moves);
        QFETCH(QString, note);
        ShownKelbor w;
        for (const Move &m : moves)
            PressCell(w, m.fromCol, m.fromRow), PressCell(w, m.toCol, m.toRow);
        QCOMPARE(w.game().pegsLeft(), 32 - moves.size());
        const Grid before = BoardOf(w.game());
        const QImage image = w.renderer().image();
        Key(&w, Qt::Key_H);
        QVERIFY(BoardOf(w.game()) == before && !w.game().hasSelection() && w.renderer().image() == image);
        const QLabel *shown = w.hints()->note();
        QVERIFY(shown && shown->isVisible() && shown->text() == note);
        QTRY_VERIFY_WITH_TIMEOUT(!shown->isVisible(), 6000);
    }

    // A key held on "szybko": the replay closes the panel under it, and
    // the repeats (X11 sends a release and a press at one time stamp) must
    // not press "Odtwórz", which took the focus, until the key goes down anew.
    void aHeldKeyActsOnlyWhereItWentDown()
    {
        ScratchFolder here{{"r.txt", ReadFile(QStringLiteral(SAMPLES_DIR "/przyklad.txt"))}};
        ShownKelbor w;
        Click(w, "BTNOdt");
        Ctl(w, "SPDQ")->setFocus();
        const auto key = [](QEvent::Type type, ulong at) {
            QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            e.setTimestamp(at);
            QApplication::sendEvent(QApplication::focusWidget(), &e);
        };
        key(QEvent::KeyPress, 1);
        key(QEvent::KeyRelease, 50);  // "szybko" clicked: the replay starts
        QVERIFY(w.replayRunning() && QApplication::focusWidget() == Ctl(w, "BTNOdt"));
        for (ulong at : {50, 100})
            key(QEvent::KeyPress, at), key(QEvent::KeyRelease, at + 50);
        QVERIFY(!Shows(w, "Odt"));
        key(QEvent::KeyPress, 400), key(QEvent::KeyRelease, 450);  // pressed anew
        QVERIFY(Shows(w, "Odt"));
    }

    void theFocusMarkShowsOnlyOnceTheKeyboardMovedFocus()
    {
        ShownKelbor w;
        Click(w, "BTNzapr");
        const auto marked = [&](const char *name) {  // black, yellow at its edge: seen on any tile
            const QImage b = Ctl(w, name)->grab().toImage();
            return b.pixelColor(1, b.height() / 2) == QColor(Qt::black) && b.pixelColor(0, b.height() / 2) == QColor(255, 221, 0);
        };
        Ctl(w, "ZaprOK")->setFocus(Qt::MouseFocusReason);  // as a click leaves it
        QVERIFY(!marked("ZaprOK"));
        Key(Ctl(w, "ZaprOK"), Qt::Key_Tab);
        QVERIFY(marked("ZaprAnul"));
    }
};

QTEST_MAIN(KelborTest)
#include "kelbor_test.moc"
