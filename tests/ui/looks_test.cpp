// SPDX-License-Identifier: MIT
#include <QBuffer>
#include <QPainter>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>

#include "helpwindow.h"
#include "testsupport.h"

using namespace peg;
using namespace peg::testing;

namespace {

QByteArray Picture(const QColor &colour, int size = 60, const char *format = "PNG")
{
    QImage img(size, size, QImage::Format_RGB32);
    img.fill(colour);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, format);
    return buffer.data();
}

QColor TileColour(const TestWindow &w, Tile t, QPoint at = QPoint(30, 30)) { return w.renderer().tileImage(t).pixelColor(at); }

void Apply(TestWindow &w, const QString &cfg)
{
    w.BTNmata->click();
    w.FLmod->setCurrentItem(w.FLmod->findItems(cfg, Qt::MatchExactly).value(0));
    w.MODzast->click();
}

// The board image and the four tiles: what a look changes.
std::array<QImage, 5> Look(const TestWindow &w)
{
    const TileRenderer &r = w.renderer();
    return {r.image(), r.tileImage(Tile(0)), r.tileImage(Tile(1)), r.tileImage(Tile(2)), r.tileImage(Tile(3))};
}

} // namespace

class LooksTest : public QObject {
    Q_OBJECT

private slots:
    void startUpNamesTheFirstLookAndTellsItsProblemOnScreen()
    {
        ScratchFolder folder{{"a.cfg", ""}, {"B.cfg", "Druga,x,y,z,w"}};
        TestWindow w;  // start-up meets the empty file first; it must not end the program
        Problems problems(w);
        QCOMPARE(w.MODnazwa->text(), QStringLiteral("Jakaś mata lub coś"));
        QVERIFY(problems.texts.isEmpty());
        w.show();  // what start-up found is told once the window is there
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_COMPARE(problems.texts.size(), 1);
        QVERIFY2(problems.last().contains(QStringLiteral("a.cfg")), qPrintable(problems.last()));
    }

    void choosingALookOnlyNamesIt()
    {
        // The name is in Windows-1250, as older files are.
        ScratchFolder folder{{"a.cfg", "A,x,y,z,w"}, {"B.cfg", "\"Druga \xb9\x9c\xbf, z przecinkiem\",x,y,z,w"}};
        TestWindow w;
        const auto before = Look(w);
        w.BTNmata->click();
        w.FLmod->setCurrentRow(1);  // alphabetical, whatever the case
        QCOMPARE(w.MODnazwa->text(), QStringLiteral("Druga ąśż, z przecinkiem"));
        QVERIFY(Look(w) == before);
    }

    void aLookThatCannotBeAppliedChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("cfg");
        QTest::addColumn<QString>("why");
        QTest::addColumn<QString>("button");
        for (const char *button : {"MODzast", "MODok"}) {
            QTest::addRow("too few items, %s", button) << QByteArray("M,a.gif,a.gif,a.gif\r\n") << "wiersz 1" << button;
            QTest::addRow("missing picture, %s", button) << QByteArray("M,a.gif,a.gif,a.gif,brak.png") << "brak.png" << button;
            QTest::addRow("a device, %s", button) << QByteArray("M,a.gif,a.gif,a.gif,/dev/zero") << "zwykły plik" << button;
            QTest::addRow("not a picture, %s", button) << QByteArray("M,a.gif,a.gif,a.gif,m.cfg") << "nie jest obrazek" << button;
        }
    }

    void aLookThatCannotBeAppliedChangesNothing()
    {
        QFETCH(QByteArray, cfg);
        QFETCH(QString, why);
        QFETCH(QString, button);
        ScratchFolder folder{{"m.cfg", cfg}, {"a.gif", Picture(Qt::red)}};
        ShownKelbor w;
        Problems problems(w);
        PressCell(w, 4, 6);
        const auto before = Look(w);
        w.BTNmata->click();
        w.find<QPushButton>(qPrintable(button))->click();
        QCOMPARE(problems.texts.size(), 1);
        QVERIFY2(problems.last().contains("m.cfg") && problems.last().contains(why), qPrintable(problems.last()));
        QVERIFY(Look(w) == before && w.game().hasSelection());
        QCOMPARE(w.FMmod->isVisible(), button == "MODzast");  // "Ok" closes the panel first
    }

    void anUnquotedCommaShiftsThePictures()
    {
        ScratchFolder folder{{"x.cfg", "Nazwa, z przecinkiem\r\na.gif,n.png,pe.bmp,pu"}, {"z przecinkiem", Picture(Qt::white)},
                             {"a.gif", Picture(Qt::red)}, {"n.png", Picture(Qt::green)}, {"pe.bmp", Picture(Qt::blue, 60, "BMP")}};
        ShownKelbor w;
        PressCell(w, 4, 6);  // selected while the look changes: drawn as a plain peg, still selected
        Apply(w, QStringLiteral("x.cfg"));
        QCOMPARE(w.MODnazwa->text(), QStringLiteral("Nazwa"));
        // Item 5, read as text, is pe.bmp; a picture's content decides its format, not its name.
        QCOMPARE(QList({TileColour(w, Tile::Aktual), TileColour(w, Tile::Nieuzyt), TileColour(w, Tile::Pelny),
                        TileColour(w, Tile::Pusty)}), QList<QColor>({Qt::white, Qt::red, Qt::green, Qt::blue}));
        QVERIFY(w.game().hasSelection() && ImageMatchesBoard(w) && w.FMmod->isVisible());
    }

    void cancelKeepsALookAppliedAndTheListIsReadOnce()
    {
        ScratchFolder folder{{"m.cfg", "M,a.gif,a.gif,a.gif,a.gif"}, {"a.gif", Picture(Qt::red)}};
        TestWindow w;
        Apply(w, QStringLiteral("m.cfg"));
        const auto applied = Look(w);
        WriteFile(QStringLiteral("nowy.cfg"), "N,a.gif,a.gif,a.gif,a.gif");
        w.MODanul->click();
        QVERIFY(w.FMmod->isHidden() && Look(w) == applied);
        w.BTNreset->click();
        QVERIFY(Look(w) == applied);  // Reset keeps the look
        w.BTNmata->click();
        QCOMPARE(w.FLmod->count(), 1);  // read at start-up only
    }

    void aLookNameIsShownAsPlainText()
    {
        ScratchFolder folder{{"m.cfg", "\"<b>Gruba</b> & <i>krzywa</i>\",x,y,z,w"}};
        TestWindow w;
        const QString name = QStringLiteral("<b>Gruba</b> & <i>krzywa</i>");
        // What a label or a tooltip shows of its text, as Qt decides it.
        const auto shown = [](const QString &text, Qt::TextFormat format) {
            if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text)))
                return text;
            QTextDocument doc;
            doc.setHtml(text);
            return doc.toPlainText();
        };
        QCOMPARE(shown(w.MODnazwa->text(), w.MODnazwa->textFormat()), name);
        QCOMPARE(shown(w.MODnazwa->toolTip(), Qt::AutoText), name);
    }

    void tilesTakeTheTopLeftBlockOrShowTheBackground()
    {
        QImage big(100, 90, QImage::Format_RGB32);
        big.fill(Qt::red);
        QPainter(&big).fillRect(0, 0, 60, 60, Qt::green);
        ScratchFolder folder{{"small.png", Picture(Qt::blue, 20)}, {"12", Picture(Qt::yellow)}, {"m.cfg", "M,big.png,small.png,12,\"\""}};
        QVERIFY(big.save(QStringLiteral("big.png")));
        TestWindow w;
        Apply(w, QStringLiteral("m.cfg"));
        QCOMPARE(TileColour(w, Tile::Aktual, QPoint(59, 59)), QColor(Qt::green));
        QCOMPARE(TileColour(w, Tile::Nieuzyt, QPoint(5, 5)), QColor(Qt::blue));
        QCOMPARE(TileColour(w, Tile::Nieuzyt, QPoint(40, 40)), QColor(TileRenderer::HOLDER_BACKGROUND));
        QCOMPARE(TileColour(w, Tile::Pelny), QColor(Qt::yellow));  // the item 12 names the file "12"
        QCOMPARE(TileColour(w, Tile::Pusty), QColor(TileRenderer::HOLDER_BACKGROUND));  // empty name
    }

    void helpIsReadAfreshOnItsContentsAndLeavesTheGameAlone()
    {
        ScratchFolder folder;
        ShownKelbor w;
        PressCell(w, 4, 6);
        PressCell(w, 4, 4);
        PressCell(w, 2, 4);
        const auto before = Look(w);
        const MoveLog log = w.game().moveLog();
        w.Pomoc->click();
        QTextBrowser *browser = w.helpWindow()->browser();
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Nie można odczytać pliku pegit.html")));
        WriteFile(QString::fromLatin1(HELP_FILE), "<h1>Spis tre\xc5\x9b" "ci</h1>" + QByteArray(400, '\n').replace('\n', "<p>x</p>"));
        w.Pomoc->click();
        QVERIFY(w.helpWindow()->isVisible() && browser->toPlainText().contains(QStringLiteral("Spis treści")));
        browser->verticalScrollBar()->setValue(browser->verticalScrollBar()->maximum());
        w.Pomoc->click();
        QCOMPARE(browser->verticalScrollBar()->value(), 0);
        QVERIFY(Look(w) == before && w.game().moveLog() == log && w.game().hasSelection() && w.game().pegsLeft() == 31);
    }
};

QTEST_MAIN(LooksTest)
#include "looks_test.moc"
