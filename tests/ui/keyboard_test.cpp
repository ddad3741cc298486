// SPDX-License-Identifier: MIT
// Keyboard play, taking moves back, panels to the front, and what a screen
// reader is told: additions a player who uses the mouse never meets.
#include <QAccessible>
#include <QAction>
#include <QAccessibleInterface>

#include "movefile.h"
#include "testsupport.h"

using namespace peg;
using namespace peg::testing;

namespace {

void Key(TestWindow &w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(w.Mapa, Qt::Key(key), modifiers);
}

// Keys that walk the cursor from the centre to (col, row), then Space.
void KeyCell(TestWindow &w, int col, int row)
{
    if (!w.Mapa->cursorShown())
        Key(w, Qt::Key_Up), Key(w, Qt::Key_Down);  // shows it, and a step up and back
    for (int guard = 0; w.Mapa->cursor() != CellPos{col, row} && guard < 20; ++guard) {
        const CellPos at = w.Mapa->cursor();
        if (at.col != col && IsHole(col, at.row))
            Key(w, col < at.col ? Qt::Key_Left : Qt::Key_Right);
        else
            Key(w, row < at.row ? Qt::Key_Up : Qt::Key_Down);
    }
    Key(w, Qt::Key_Space);
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

    ScratchFolder folder;

private slots:
    void theCursorShowsOnTheFirstArrowAndWalksTheCross()
    {
        ShownKelbor w;
        w.Mapa->setFocus();
        const QImage before = w.Mapa->grab().toImage();
        QVERIFY(!w.Mapa->cursorShown());
        Key(w, Qt::Key_Left);
        QVERIFY(w.Mapa->cursorShown());
        QCOMPARE(w.Mapa->cursor(), (CellPos{4, 4}));
        QVERIFY(w.Mapa->grab().toImage() != before);           // the outline is on screen
        QCOMPARE(w.renderer().image(), w.renderer().image());   // and never in the board's image
        QVERIFY(ImageMatchesBoard(w));
        for (int i = 0; i < 5; ++i)
            Key(w, Qt::Key_Left);
        QCOMPARE(w.Mapa->cursor(), (CellPos{1, 4}));
        Key(w, Qt::Key_Up);
        QCOMPARE(w.Mapa->cursor(), (CellPos{1, 3}));
        Key(w, Qt::Key_Up);  // a corner block above: nowhere to go
        QCOMPARE(w.Mapa->cursor(), (CellPos{1, 3}));
        PressCell(w, 4, 6);  // a mouse press hides it
        QVERIFY(!w.Mapa->cursorShown());
        QCOMPARE(w.Mapa->grab().toImage().convertToFormat(QImage::Format_RGB32), w.renderer().image());
    }

    void spaceAndEnterActAsALeftPressOnTheCursor()
    {
        ShownKelbor w;
        w.Mapa->setFocus();
        Key(w, Qt::Key_Down);                   // shows the cursor on the centre
        Key(w, Qt::Key_Down), Key(w, Qt::Key_Down);  // (4, 6)
        Key(w, Qt::Key_Space);
        QVERIFY(w.game().hasSelection() && w.game().selectedCol() == 4 && w.game().selectedRow() == 6);
        Key(w, Qt::Key_Up), Key(w, Qt::Key_Up);
        Key(w, Qt::Key_Return);
        QCOMPARE(w.game().pegsLeft(), Int16(31));
        QVERIFY(w.game().cell(4, 4) == CELL_PEG && ImageMatchesBoard(w));
        QCOMPARE(w.LBile->text(), QStringLiteral("31"));
    }

    void theWorkedExampleByKeysSavesTheSampleAndUndoesAMove()
    {
        ShownKelbor w;
        QAction *undo = w.find<QAction>("undo"), *redo = w.find<QAction>("redo");
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        w.Mapa->setFocus();
        KeyCell(w, 4, 2);
        KeyCell(w, 4, 4);
        KeyCell(w, 2, 3);
        KeyCell(w, 4, 3);
        QCOMPARE(QByteArray::fromStdString(FormatMoveFile(w.game())), ReadFile(QStringLiteral(SAMPLES_DIR "/przyklad.txt")));
        QVERIFY(undo->isEnabled() && !redo->isEnabled());
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(w.game().cell(2, 3) == CELL_PEG && w.game().cell(3, 3) == CELL_PEG && w.game().cell(4, 3) == CELL_EMPTY);
        QCOMPARE(w.LBile->text(), QStringLiteral("31"));
        QVERIFY(ImageMatchesBoard(w) && redo->isEnabled());
        QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(QByteArray::fromStdString(FormatMoveFile(w.game())), ReadFile(QStringLiteral(SAMPLES_DIR "/przyklad.txt")));
        QVERIFY(!redo->isEnabled());
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!undo->isEnabled() && redo->isEnabled());
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(undo->isEnabled() && redo->isEnabled());  // one move still to make again
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.game().pegsLeft(), Int16(30));
    }

    void noKeysWhileAReplayRuns()
    {
        ScratchFolder files{{"r.txt", ReadFile(QStringLiteral(SAMPLES_DIR "/przyklad.txt"))}};
        ShownKelbor w;
        PressCell(w, 4, 6);
        PressCell(w, 4, 4);
        w.BTNOdt->click();
        w.SPDM->click();
        w.TMOdt_Timer();
        QCOMPARE(w.game().pegsLeft(), Int16(31));
        QVERIFY(!w.find<QAction>("undo")->isEnabled());
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.game().pegsLeft(), Int16(31));  // no undo during a replay
        Key(w, Qt::Key_Up), Key(w, Qt::Key_Space);
        QVERIFY(!w.game().hasSelection());
        w.TMOdt_Timer();
        QVERIFY(!w.replayRunning());
        QVERIFY(w.find<QAction>("undo")->isEnabled());
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);  // a finished replay's moves can be taken back
        QCOMPARE(w.game().pegsLeft(), Int16(31));
    }

    void aPanelOpenedComesToTheFront_data()
    {
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("replay last") << QStringList{"BTNmata", "BTNzapr", "BTNOdt"};
        QTest::newRow("look last") << QStringList{"BTNOdt", "BTNzapr", "BTNmata"};
        QTest::newRow("save last") << QStringList{"BTNmata", "BTNOdt", "BTNzapr"};
    }

    void aPanelOpenedComesToTheFront()
    {
        QFETCH(QStringList, opened);
        ShownKelbor w;
        for (const QString &b : opened)
            w.find<QPushButton>(qPrintable(b))->click();
        const QMap<QString, QWidget *> panelOf = {{"BTNmata", w.FMmod}, {"BTNzapr", w.FMzapr}, {"BTNOdt", w.Odt}};
        QWidget *last = panelOf.value(opened.last());
        // Where the three overlap, the one opened last takes the press.
        QWidget *hit = w.childAt(w.Mapa->mapTo(&w, QPoint(160, 200)));
        while (hit && hit->parentWidget() != w.Mapa)
            hit = hit->parentWidget();
        QVERIFY(hit);
        QCOMPARE(hit->objectName(), last->objectName());
        QCOMPARE(w.Mapa->children().last(), static_cast<QObject *>(last));
    }

    void theFocusMarkShowsOnlyAfterTheKeyboardMovedFocus()
    {
        ShownKelbor w;
        for (QPushButton *b : {w.BTNmata, w.BTNOdt, w.BTNzapr})
            b->click();
        w.ZaprOK->setFocus(Qt::MouseFocusReason);  // as a click leaves it
        const auto grab = [&w] { return w.grab().toImage(); };
        const QImage withFocusStyle = grab();
        // The same window drawn by the platform's own style: not a pixel differs.
        QStyle *own = QApplication::style();
        QList<std::pair<QWidget *, QStyle *>> styled;
        for (QWidget *c : w.findChildren<QWidget *>())
            if (c->style() != own)
                styled.append({c, c->style()}), c->setStyle(own);
        QVERIFY(!styled.isEmpty());
        QCOMPARE(grab(), withFocusStyle);
        for (const auto &[c, style] : styled)
            c->setStyle(style);
        // Tab moves focus by keyboard: now the mark shows, firmly.
        QTest::keyClick(w.ZaprOK, Qt::Key_Tab);
        QVERIFY(w.ZaprAnul->hasFocus());
        const QImage button = w.ZaprAnul->grab().toImage();
        QCOMPARE(button.pixelColor(1, button.height() / 2), QColor(Qt::black));
        QCOMPARE(button.pixelColor(0, button.height() / 2), QColor(255, 221, 0));
    }

    void aScreenReaderHearsTheBoardTheCounterAndEveryControl()
    {
        ShownKelbor w;
        w.Mapa->setFocus();
        QAccessibleInterface *board = QAccessible::queryAccessibleInterface(w.Mapa);
        QCOMPARE(board->text(QAccessible::Name), QStringLiteral("Plansza"));
        Key(w, Qt::Key_Down), Key(w, Qt::Key_Down), Key(w, Qt::Key_Down);
        QCOMPARE(board->text(QAccessible::Description), QStringLiteral("kolumna 4, rząd 6: pion"));
        Key(w, Qt::Key_Space);
        QCOMPARE(board->text(QAccessible::Description), QStringLiteral("kolumna 4, rząd 6: pion, zaznaczony"));
        Key(w, Qt::Key_Up), Key(w, Qt::Key_Up);
        QCOMPARE(board->text(QAccessible::Description), QStringLiteral("kolumna 4, rząd 4: pusta dziurka"));
        Key(w, Qt::Key_Space);
        QCOMPARE(board->text(QAccessible::Description), QStringLiteral("kolumna 4, rząd 4: pion"));
        QCOMPARE(w.CellDescription(1, 1), QStringLiteral("kolumna 1, rząd 1: poza planszą"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.LBile)->text(QAccessible::Name), QStringLiteral("Pozostało: 31"));
        for (QWidget *c : w.findChildren<QWidget *>()) {
            if (c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_")))
                continue;  // Qt's own parts of a control
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(c);
            QVERIFY2(a && !a->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(c->objectName()));
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
