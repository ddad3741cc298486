// SPDX-License-Identifier: MIT
// The window: how it starts, its panels, presses, keys and what a screen
// reader hears.
#include <QAccessible>
#include <QFontInfo>
#include <QMessageBox>

#include <cstring>

#include "builtintiles.h"
#include "hintaction.h"
#include "testsupport.h"

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
    void startsAtTheStartWithNoPanelBuiltYetAndWithNoFilesItsButtonsOnlyOpenPanels()
    {
        ShownKelbor w;
        QCOMPARE(w.size(), QSize(457, 464));
        QCOMPARE(MapaOf(w)->geometry(), QRect(16, 16, 420, 420));
        QVERIFY(AtStart(w) && !Shows(w, "Tiles"));
        QCOMPARE(OnScreen(w), w.renderer().image());  // the screen shows the board's image
        QCoreApplication::processEvents();  // the icon, at every size drawn, follows the board's first picture
        QCOMPARE(w.windowIcon().availableSizes().size(), qsizetype(std::size(ICON_SIZES)));
        for (const char *panel : {"Odt", "FMmod", "FMzapr"})
            QVERIFY2(!w.findChild<QWidget *>(QLatin1String(panel)), panel);  // built when first opened
        // The counter in Debian's Palatino-like bold face, grown down so the letters' feet show.
        for (const char *name : {"Label1", "LBile"}) {
            const QLabel *l = Ctl<QLabel>(w, name);
            const QFontInfo face(l->font());
            QVERIFY2(face.family().startsWith(QStringLiteral("P052")) && face.bold(), qPrintable(face.family()));
            QVERIFY(l->font().pointSize() == 12 && l->height() >= l->fontMetrics().height());
        }
        // With no files the buttons only open panels, and Reset keeps them open.
        Told problems(w);
        PressCell(w, 4, 6), PressCell(w, 4, 4), PressCell(w, 2, 4);  // a move and a selection
        const QImage before = w.renderer().image();
        for (const char *b : {"BTNmata", "MODzast", "MODok", "BTNmata", "BTNOdt", "OdtOK", "SPDQ", "SPDM", "SPDSL", "BTNzapr"})
            Click(w, b);
        QVERIFY(problems.texts.isEmpty() && w.renderer().image() == before && w.game().hasSelection() && !w.replayRunning());
        Click(w, "BTNreset");
        QVERIFY(AtStart(w) && !w.game().hasSelection() && Shows(w, "FMmod") && Shows(w, "Odt") && Shows(w, "FMzapr"));
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
        MapaOf(w)->hide();  // so the boxes certainly come before the board's picture
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
            for (QWidget *at = MapaOf(w)->nextInFocusChain(); at != MapaOf(w) && names.size() < 100; at = at->nextInFocusChain())
                if (at->focusPolicy() & Qt::TabFocus)
                    names << at->objectName();
            return names;
        };
        const QStringList all = chain({"BTNzapr", "BTNOdt", "BTNmata"});
        QCOMPARE(chain({"BTNmata", "BTNOdt", "BTNzapr"}), all);
        QCOMPARE(all.indexOf("plik"), all.indexOf("BTNzapr") + 1);  // from "Zapisz Ruchy" to its field
    }

    // Cells are 60 pixels; a position between two device pixels (a screen
    // above 100 %) belongs to the cell it lies in, even where Qt rounds it
    // off the board's edge (scale_test presses such pixels on a real screen,
    // and the right button).
    void aPressSelectsTheCellItLandsIn_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QString>("during");
        QTest::addColumn<QPoint>("cell");  // (0, 0): nothing selected
        QTest::newRow("inside a cell") << QPointF(200, 340) << "" << QPoint(4, 6);
        QTest::newRow("column 1's last device pixel at 300 %") << QPointF(179 / 3.0, 210) << "" << QPoint(1, 4);
        QTest::newRow("rounded off the right edge") << QPointF(419.5, 210) << "" << QPoint(7, 4);
        QTest::newRow("past the right edge") << QPointF(420, 210) << "" << QPoint();
        QTest::newRow("just left of the board") << QPointF(-0.4, 210) << "" << QPoint();
        QTest::newRow("locked by a replay") << QPointF(200, 340) << "replay" << QPoint();
        QTest::newRow("locked, rounded off the edge") << QPointF(419.5, 210) << "replay" << QPoint();
        QTest::newRow("on the open save panel") << QPointF(208, 244) << "save" << QPoint();
    }

    void aPressSelectsTheCellItLandsIn()
    {
        QFETCH(QPointF, at);
        QFETCH(QString, during);
        QFETCH(QPoint, cell);
        ScratchFolder here{{"r.txt", ReadFile(QStringLiteral(SAMPLES_DIR "/przyklad.txt"))}};
        ShownKelbor w;
        if (during == "replay")
            Click(w, "BTNOdt"), Click(w, "SPDSL");  // wolno: no move before the press
        else if (during == "save")
            Click(w, "BTNzapr");
        Press(w, at);
        QCOMPARE(w.game().hasSelection() ? QPoint(w.game().selectedCol(), w.game().selectedRow()) : QPoint(), cell);
        if (!cell.isNull())
            QCOMPARE(Cell(OnScreen(w), cell.x(), cell.y()), w.renderer().tileImage(Tile::Aktual));
    }

    // The cursor shows from the first arrow or Space, on screen only; Space
    // and Enter act as a press on its cell.
    void theCursorPlaysItsCell()
    {
        ShownKelbor w;
        BoardPicture *board = MapaOf(w);
        board->setFocus();
        QCOMPARE(Spoken(board, QAccessible::Name), QStringLiteral("Plansza"));
        const QImage image = w.renderer().image();
        Key(board, Qt::Key_Space);  // only shows it, on the centre
        QVERIFY(board->cursorShown() && board->cursor() == (CellPos{4, 4}) && OnScreen(w) != image && w.renderer().image() == image);
        Key(board, Qt::Key_Down), Key(board, Qt::Key_Down), Key(board, Qt::Key_Space);
        QVERIFY(w.game().hasSelection() && w.game().selectedRow() == 6);
        Key(board, Qt::Key_Up), Key(board, Qt::Key_Up), Key(board, Qt::Key_Return);
        QVERIFY(w.game().cell(4, 4) == CELL_PEG && w.game().cell(4, 5) == CELL_EMPTY && ImageMatchesBoard(w) && Count(w) == "31");
        PressCell(w, 4, 2);  // a press hides the cursor
        QVERIFY(!board->cursorShown() && OnScreen(w) == w.renderer().image());
        QCOMPARE(Spoken(Ctl<QLabel>(w, "LBile"), QAccessible::Name), QStringLiteral("Pozostało: 31"));
        for (const char *b : {"BTNmata", "BTNOdt", "BTNzapr"})
            Click(w, b);
        for (QWidget *c : w.findChildren<QWidget *>())
            if (!c->objectName().isEmpty() && !c->objectName().startsWith(QLatin1String("qt_")))  // not Qt's own parts
                QVERIFY2(!Spoken(c, QAccessible::Name).trimmed().isEmpty(), qPrintable(c->objectName()));
    }

    // Keys typed in a panel stay there: Enter does what the panel's OK does
    // (on a button, presses it), Escape what its Anuluj does, arrows move
    // only in the control, and H gives no hint on a board the panel hides.
    // The game behind stays as it was: (4, 2) selected, no cursor. A panel
    // that closes hands the focus back to its opener and leaves the other
    // panels open.
    void keysInAPanelLeaveTheBoardAlone_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("then");  // saved, closed, replay at N ms, look applied, or nothing else
        const int enter = Qt::Key_Return, escape = Qt::Key_Escape, up = Qt::Key_Up, down = Qt::Key_Down;
        QTest::newRow("name field, Enter") << "plik" << enter << "saved";
        QTest::newRow("name field, keypad Enter") << "plik" << int(Qt::Key_Enter) << "saved";
        QTest::newRow("name field, Escape") << "plik" << escape << "closed";
        QTest::newRow("name field, Up") << "plik" << up << "";
        QTest::newRow("name field, Down") << "plik" << down << "";
        QTest::newRow("name field, H") << "plik" << int(Qt::Key_H) << "";
        QTest::newRow("save OK, Enter") << "ZaprOK" << enter << "saved";
        QTest::newRow("replay list, Enter") << "PlikOd" << enter << "550";
        QTest::newRow("replay list, Up on its first row") << "PlikOd" << up << "";
        QTest::newRow("replay list, H") << "PlikOd" << int(Qt::Key_H) << "";
        QTest::newRow("wolno, Enter") << "SPDSL" << enter << "1200";
        QTest::newRow("replay Anuluj, Escape") << "ODTAnu" << escape << "closed";
        QTest::newRow("look list, Enter") << "FLmod" << enter << "applied";
        QTest::newRow("look list, Down on its last row") << "FLmod" << down << "";
        QTest::newRow("Zastosuj, Escape") << "MODzast" << escape << "closed";
    }
    void keysInAPanelLeaveTheBoardAlone()
    {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(QString, then);
        ScratchFolder here{{"r.txt", ReadFile(QStringLiteral(SAMPLES_DIR "/przyklad.txt"))},
                           {"k.cfg", ReadFile(QStringLiteral(SAMPLES_DIR "/kontrast.cfg"))}};
        for (const char *f : {"kontrast-nieuzyt.png", "kontrast-pusty.png", "kontrast-pelny.png", "kontrast-aktual.png"})
            QFile::copy(QStringLiteral(SAMPLES_DIR "/") + f, f);
        ShownKelbor w;
        Told problems(w);
        PressCell(w, 4, 2);
        const char *panel = ControlFactory::PanelOf(qPrintable(control));
        const char *opener = std::strcmp(panel, "FMzapr") == 0 ? "BTNzapr" : std::strcmp(panel, "Odt") == 0 ? "BTNOdt" : "BTNmata";
        for (const char *b : {"BTNmata", "BTNOdt", "BTNzapr", opener})
            Click(w, b);
        QWidget *focused = Ctl<QWidget>(w, qPrintable(control));
        if (control == "plik" || control == "PlikOd" || control == "FLmod")
            QCOMPARE(QApplication::focusWidget(), focused);  // the panel opened with the focus in it
        focused->setFocus();
        const QImage peg = w.renderer().tileImage(Tile::Pelny);
        Key(focused, Qt::Key(key));
        QVERIFY(problems.texts.isEmpty() && !MapaOf(w)->cursorShown());
        QCOMPARE(Ctl<QLineEdit>(w, "plik")->text(), control == "plik" && key == Qt::Key_H ? "h" : "wynik.txt");  // a letter, typed over the name offered
        QCOMPARE(ReadFile(QStringLiteral("wynik.txt")), then == "saved" ? QByteArray("Plik opisujacy ruchy gracza. Ilosc pozostalych:\r\n 32 \r\n") : QByteArray());
        for (const char *p : {"FMmod", "Odt", "FMzapr"})
            QCOMPARE(Shows(w, p), then.isEmpty() || p != QLatin1String(panel));
        QCOMPARE(QApplication::focusWidget(), then.isEmpty() ? focused : Ctl(w, opener));
        QCOMPARE(w.replayRunning() ? QString::number(w.findChild<QTimer *>("TMOdt")->interval()) : QString(), then.toInt() ? then : QString());
        QCOMPARE(w.renderer().tileImage(Tile::Pelny) != peg, then == "applied");
        if (!w.replayRunning())
            QVERIFY(w.game().cell(4, 4) == CELL_EMPTY && w.game().selectedRow() == 2 && w.game().hasSelection());
    }

    // Undo and redo act when there is a move for them. In the name field
    // both edit the name: Ctrl+Y is redo only on some desktops, and must
    // not pass the field by to make a move again behind it.
    void undoKeysActOnTheGameWhenTheyCanAndOnTheNameInItsField()
    {
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
        Click(w, "ZaprAnul");
        Key(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(w.renderer().image() == two && !redo->isEnabled());
    }

    // H selects a winning move's peg as a click would and leaves the cursor
    // on its target, the next one each time; a replay takes no hint (nor
    // does a panel: keysInAPanelLeaveTheBoardAlone).
    void hintsShowTheWinningMovesInTurn()
    {
        ScratchFolder here{{"r.txt", ReadFile(QStringLiteral(SAMPLES_DIR "/przyklad.txt"))}};
        ShownKelbor w;
        BoardPicture *board = MapaOf(w);
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
        QVERIFY(w.findChild<QAction *>("redo")->isEnabled());  // a hint only selects: the move taken back stays
        Click(w, "BTNOdt"), Click(w, "SPDSL");  // wolno: no move before the key
        Key(&w, Qt::Key_H);
        QVERIFY(w.replayRunning() && !w.game().hasSelection());
    }

    void aLostPositionTakesNoHintButANoteThatGoes_data()
    {
        QTest::addColumn<QList<Move>>("moves");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("goes");  // by itself, by a click on it, by a move
        const QList<Move> opening = {{4, 2, 4, 4}, {4, 5, 4, 3}, {2, 4, 4, 4}};
        const QList<Move> lost = opening + QList<Move>{{4, 3, 4, 5}};
        const QString noWin = QStringLiteral("Z tej pozycji nie da się już zostawić jednego piona w środku");
        QTest::newRow("moves left") << lost << noWin << "itself";
        QTest::newRow("moves left, clicked") << lost << noWin << "click";
        QTest::newRow("moves left, a move") << lost << noWin << "move";
        QTest::newRow("none left") << opening + QList<Move>{{5, 4, 3, 4}, {7, 4, 5, 4}, {4, 7, 4, 5}}
                                   << QStringLiteral("Koniec gry: nie ma już żadnego ruchu. Pozostało pionów: 26") << "itself";
    }
    void aLostPositionTakesNoHintButANoteThatGoes()
    {
        QFETCH(QList<Move>, moves);
        QFETCH(QString, note);
        QFETCH(QString, goes);
        ShownKelbor w;
        for (const Move &m : moves)
            PressCell(w, m.fromCol, m.fromRow), PressCell(w, m.toCol, m.toRow);
        QCOMPARE(w.game().pegsLeft(), 32 - moves.size());
        const Cells before = BoardOf(w.game());
        const QImage image = w.renderer().image();
        Key(&w, Qt::Key_H);
        QVERIFY(BoardOf(w.game()) == before && !w.game().hasSelection() && w.renderer().image() == image);
        QLabel *shown = w.hints()->note();
        QVERIFY(shown && shown->isVisible() && shown->text() == note);
        QTimer *timer = w.hints()->noteTimer();
        QVERIFY(timer->isActive() && timer->interval() == 4000);
        if (goes == "itself") {
            timer->start(1);  // its time cut short
            QTRY_VERIFY_WITH_TIMEOUT(!shown->isVisible(), 500);
        } else if (goes == "click") {  // over a peg of row 7: the press is the note's alone
            const QPoint onNote = shown->geometry().center();
            QVERIFY(MapaOf(w)->geometry().contains(onNote) && w.game().cell(4, 7) == CELL_PEG);
            QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, QPoint(onNote.x(), shown->geometry().bottom() - 2));
            QVERIFY(!shown->isVisible() && !w.game().hasSelection());
        } else {
            PressCell(w, 4, 6), PressCell(w, 4, 4);
            QVERIFY(!shown->isVisible() && w.game().pegsLeft() == 27);
        }
    }

    // A held key acts once, where it went down; its repeats come marked (by
    // Qt, or by the game for those X11 leaves unmarked: the real-window
    // tests hold keys). The focus may move meanwhile: the replay closes its
    // panel under "szybko", "Zapisz Ruchy" opens its name field, and on the
    // board the hinted move lands a peg under the cursor.
    void aHeldKeyActsOnceWhereItWentDown_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("once");   // after the first press, and still after its repeats
        QTest::addColumn<QString>("again");  // after a new press
        QTest::newRow("szybko") << "SPDQ" << "BTNOdt, replay" << "BTNOdt, replay, Odt open";
        QTest::newRow("Zapisz Ruchy") << "BTNzapr" << "plik, wynik.txt" << "plik,  ";
        QTest::newRow("the board, after a hint") << "Mapa" << "Mapa, 31" << "Mapa, 31, selected";
    }
    void aHeldKeyActsOnceWhereItWentDown()
    {
        QFETCH(QString, control);
        QFETCH(QString, once);
        QFETCH(QString, again);
        ScratchFolder here{{"r.txt", ReadFile(QStringLiteral(SAMPLES_DIR "/przyklad.txt"))}};
        ShownKelbor w;
        if (control == "SPDQ")
            Click(w, "BTNOdt");
        if (control == "Mapa")
            Key(&w, Qt::Key_H);  // (4, 2) selected, the cursor on (4, 4)
        else
            Ctl<QWidget>(w, qPrintable(control))->setFocus();
        const auto key = [](QEvent::Type type, bool repeat = false) {
            QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
            QApplication::sendEvent(QApplication::focusWidget(), &e);
        };
        const auto state = [&] {  // where the focus is, and what the press changed
            QStringList s{QApplication::focusWidget()->objectName()};
            s << (w.game().pegsLeft() < 32 ? QString::number(w.game().pegsLeft()) : QString());
            s << (w.game().hasSelection() ? "selected" : "") << (w.replayRunning() ? "replay" : "");
            s << (control == "BTNzapr" ? Ctl<QLineEdit>(w, "plik")->text() : "") << (control == "SPDQ" && Shows(w, "Odt") ? "Odt open" : "");
            s.removeAll(QString());
            return s.join(", ");
        };
        key(QEvent::KeyPress), key(QEvent::KeyRelease);
        QCOMPARE(state(), once);
        for (int i = 0; i < 2; ++i)
            key(QEvent::KeyPress, true), key(QEvent::KeyRelease, true);
        QCOMPARE(state(), once);
        key(QEvent::KeyPress), key(QEvent::KeyRelease);
        QCOMPARE(state(), again);
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
