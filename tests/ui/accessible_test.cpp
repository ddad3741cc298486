// SPDX-License-Identifier: MIT
// The window as a screen reader walks it: every control Tab reaches found
// from the window's interface, each panel's under the board that holds it
// (the board's table of cells is read over the real bus in access_test.sh).
#include <QAccessible>

#include "testsupport.h"

using namespace peg;
using namespace peg::testing;

namespace {

QAccessibleInterface *Reader(QObject *o) { return QAccessible::queryAccessibleInterface(o); }

// The objects of every interface below from that its parent places where
// it says it is.
void Walk(QAccessibleInterface *from, QSet<QObject *> &reached)
{
    for (int i = 0; i < from->childCount(); ++i) {
        QAccessibleInterface *c = from->child(i);
        if (c && from->indexOfChild(c) == i && c->parent() == from)
            reached.insert(c->object()), Walk(c, reached);
    }
}

// Whether asking the window what lies at the control's centre, and each
// answer in turn, comes to the control.
bool PointedAt(QWidget *window, QWidget *control)
{
    const QPoint centre = control->mapToGlobal(control->rect().center());
    for (QAccessibleInterface *at = Reader(window); at; at = at->childAt(centre.x(), centre.y()))
        if (at->object() == control)
            return true;
    return false;
}

} // namespace

class AccessibleTest : public QObject {
    Q_OBJECT

    ScratchFolder folder;

private slots:
    void initTestCase() { QAccessible::setActive(true); }  // as with a screen reader about

    void everyControlTabReachesIsInTheTree_data()
    {
        QTest::addColumn<QByteArrayList>("clicks");
        QTest::addColumn<QByteArray>("panel");  // the one left open
        QTest::newRow("no panel") << QByteArrayList() << QByteArray();
        QTest::newRow("replay") << QByteArrayList{"BTNOdt"} << QByteArray("Odt");
        QTest::newRow("look") << QByteArrayList{"BTNmata"} << QByteArray("FMmod");
        QTest::newRow("save") << QByteArrayList{"BTNzapr"} << QByteArray("FMzapr");
        // The closed save panel stays above the replay's list, hidden.
        QTest::newRow("replay, save closed") << QByteArrayList{"BTNOdt", "BTNzapr", "ZaprAnul"} << QByteArray("Odt");
    }
    void everyControlTabReachesIsInTheTree()
    {
        QFETCH(QByteArrayList, clicks);
        QFETCH(QByteArray, panel);
        ShownKelbor w;
        for (const QByteArray &name : clicks)
            Click(w, name);
        QSet<QObject *> reached;
        Walk(Reader(&w), reached);
        const QWidget *open = panel.isEmpty() ? nullptr : Ctl<QWidget>(w, panel);
        int controls = 0, inPanel = 0;
        for (QWidget *c : w.findChildren<QWidget *>()) {
            if (c->isVisible() && c->isEnabled() && (c->focusPolicy() & Qt::TabFocus)) {  // Tab reaches it
                QVERIFY2(reached.contains(c) && PointedAt(&w, c), qPrintable(c->objectName()));
                ++controls;
                inPanel += open && open->isAncestorOf(c);
            }
        }
        QVERIFY(inPanel >= (panel.isEmpty() ? 0 : 3) && controls - inPanel >= 6);  // the window's own: board and five buttons
    }
};

QTEST_MAIN(AccessibleTest)
#include "accessible_test.moc"
