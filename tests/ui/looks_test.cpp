#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>

#include "helpwindow.h"
#include "testsupport.h"

using namespace peg;
using namespace peg::testing;

namespace {

// Four plain pictures whose colours say which tile they are.
const QColor NIEUZYT(10, 20, 30), PUSTY(200, 200, 40), PELNY(40, 120, 220), AKTUAL(250, 0, 120);

void SavePicture(const QString &name, const QColor &colour, QSize size = QSize(60, 60), const char *format = "PNG")
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    QVERIFY(img.save(name, format));
}

void SaveFourPictures()
{
    SavePicture(QStringLiteral("n.png"), NIEUZYT);
    SavePicture(QStringLiteral("pu.bmp"), PUSTY, QSize(60, 60), "BMP");
    SavePicture(QStringLiteral("pe.jpg"), PELNY, QSize(60, 60), "JPG");
    SavePicture(QStringLiteral("a.gif"), AKTUAL, QSize(60, 60), "PNG");  // the content decides, not the name
}

QColor TileColour(const Kelbor &w, Tile t, QPoint at = QPoint(30, 30))
{
    return w.renderer().tileImage(t).pixelColor(at);
}

bool Near(const QColor &a, const QColor &b)  // JPEG may shift a colour slightly
{
    return std::abs(a.red() - b.red()) < 8 && std::abs(a.green() - b.green()) < 8 && std::abs(a.blue() - b.blue()) < 8;
}

void Apply(Kelbor &w, const QString &cfg)
{
    w.BTNmata->click();
    const auto found = w.FLmod->findItems(cfg, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(cfg));
    w.FLmod->setCurrentItem(found.first());
    w.MODzast->click();
}

struct Snapshot {
    QImage board;
    std::array<QImage, 4> tiles;
    explicit Snapshot(const Kelbor &w) : board(w.renderer().image())
    {
        for (int t = 0; t < 4; ++t)
            tiles[t] = w.renderer().tileImage(Tile(t));
    }
    bool operator==(const Snapshot &) const = default;
};

} // namespace

class LooksTest : public QObject {
    Q_OBJECT

private slots:
    void everyItemFormGivesTheSameLook_data()
    {
        QTest::addColumn<QByteArray>("cfg");
        QTest::newRow("five lines") << QByteArray("\"Moja\"\r\na.gif\r\nn.png\r\npe.jpg\r\npu.bmp\r\n");
        QTest::newRow("one line") << QByteArray("Moja,a.gif,n.png,pe.jpg,pu.bmp\r\n");
        QTest::newRow("blanks and a mix") << QByteArray("\"Moja\", a.gif\r\n  n.png ,pe.jpg\r\n\r\npu.bmp");
        QTest::newRow("quoted names") << QByteArray("\"Moja\",\"a.gif\",\"n.png\",\"pe.jpg\",\"pu.bmp\"\r\n");
        QTest::newRow("lone LF") << QByteArray("Moja\na.gif\nn.png\npe.jpg\npu.bmp\n");
    }

    void everyItemFormGivesTheSameLook()
    {
        QFETCH(QByteArray, cfg);
        ScratchFolder folder;
        SaveFourPictures();
        WriteFile(QStringLiteral("moja.cfg"), cfg);
        Kelbor w;
        QCOMPARE(w.MODnazwa->text(), QStringLiteral("Moja"));  // the first entry, at start-up
        Apply(w, QStringLiteral("moja.cfg"));
        QCOMPARE(TileColour(w, Tile::Nieuzyt), NIEUZYT);
        QCOMPARE(TileColour(w, Tile::Pusty), PUSTY);
        QVERIFY(Near(TileColour(w, Tile::Pelny), PELNY));
        QCOMPARE(TileColour(w, Tile::Aktual), AKTUAL);
        QVERIFY(!w.FMmod->isHidden());
        QVERIFY(ImageMatchesBoard(w));
        QCOMPARE(w.renderer().image().pixelColor(10, 10), NIEUZYT);
    }

    void anUnquotedNameWithACommaShiftsThePictures()
    {
        ScratchFolder folder;
        SaveFourPictures();
        SavePicture(QStringLiteral("z przecinkiem"), Qt::white);
        WriteFile(QStringLiteral("x.cfg"), "Nazwa, z przecinkiem\r\na.gif\r\nn.png\r\npe.jpg\r\npu.bmp\r\n");
        Kelbor w;
        QCOMPARE(w.MODnazwa->text(), QStringLiteral("Nazwa"));
        Apply(w, QStringLiteral("x.cfg"));
        QCOMPARE(TileColour(w, Tile::Aktual), QColor(Qt::white));
        QCOMPARE(TileColour(w, Tile::Nieuzyt), AKTUAL);
        QCOMPARE(TileColour(w, Tile::Pelny), NIEUZYT);
        QVERIFY(Near(TileColour(w, Tile::Pusty), PELNY));  // item 5, read as text, is now pe.jpg
    }

    void choosingAnEntryOnlyChangesTheLabel()
    {
        ScratchFolder folder;
        SaveFourPictures();
        WriteFile(QStringLiteral("a.cfg"), "\"Pierwsza\",a.gif,n.png,pe.jpg,pu.bmp");
        WriteFile(QStringLiteral("B.cfg"), "\"Druga, z przecinkiem\",a.gif,n.png,pe.jpg,pu.bmp");
        Kelbor w;
        QCOMPARE(w.FLmod->item(1)->text(), QStringLiteral("B.cfg"));  // alphabetical, whatever the case
        const Snapshot before(w);
        w.BTNmata->click();
        w.FLmod->setCurrentRow(1);
        QCOMPARE(w.MODnazwa->text(), QStringLiteral("Druga, z przecinkiem"));
        QVERIFY(Snapshot(w) == before);
    }

    void cancelKeepsAnAppliedLookAndResetUsesIt()
    {
        ScratchFolder folder;
        SaveFourPictures();
        WriteFile(QStringLiteral("m.cfg"), "M,a.gif,n.png,pe.jpg,pu.bmp");
        Kelbor w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        PressCell(w, 4, 6);  // selected while the look changes: drawn as a plain peg, still selected
        Apply(w, QStringLiteral("m.cfg"));
        QVERIFY(w.game().hasSelection());
        QVERIFY(ImageMatchesBoard(w));
        w.MODanul->click();
        QVERIFY(!!w.FMmod->isHidden());
        QCOMPARE(TileColour(w, Tile::Pusty), PUSTY);
        PressCell(w, 4, 2);
        QCOMPARE(Cell(w.renderer().image(), 4, 2).pixelColor(30, 30), AKTUAL);
        w.BTNreset->click();
        QVERIFY(ImageMatchesBoard(w));
        QCOMPARE(Cell(w.renderer().image(), 4, 4).pixelColor(5, 5), PUSTY);
        const Snapshot once(w);
        Apply(w, QStringLiteral("m.cfg"));
        QVERIFY(Snapshot(w) == once);
    }

    void okClosesThePanelThenApplies()
    {
        ScratchFolder folder;
        SaveFourPictures();
        WriteFile(QStringLiteral("m.cfg"), "M,a.gif,n.png,pe.jpg,pu.bmp");
        Kelbor w;
        w.BTNmata->click();
        w.MODok->click();
        QVERIFY(!!w.FMmod->isHidden());
        QCOMPARE(TileColour(w, Tile::Nieuzyt), NIEUZYT);
    }

    void tilesTakeTheTopLeftBlockOrShowTheBackground()
    {
        ScratchFolder folder;
        QImage big(100, 90, QImage::Format_RGB32);
        big.fill(Qt::red);
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x)
                big.setPixelColor(x, y, QColor(0, 200, 0));
        QVERIFY(big.save(QStringLiteral("big.png")));
        SavePicture(QStringLiteral("small.png"), Qt::blue, QSize(20, 20));
        SavePicture(QStringLiteral("12"), Qt::yellow);
        WriteFile(QStringLiteral("m.cfg"), "M,big.png,small.png,12,\"\"");
        Kelbor w;
        Apply(w, QStringLiteral("m.cfg"));
        const QImage aktual = w.renderer().tileImage(Tile::Aktual);
        QCOMPARE(aktual.size(), QSize(60, 60));
        QCOMPARE(aktual.pixelColor(59, 59), QColor(0, 200, 0));
        QCOMPARE(TileColour(w, Tile::Nieuzyt, QPoint(5, 5)), QColor(Qt::blue));
        QCOMPARE(TileColour(w, Tile::Nieuzyt, QPoint(40, 40)), QColor(TileRenderer::HOLDER_BACKGROUND));
        QCOMPARE(TileColour(w, Tile::Pelny), QColor(Qt::yellow));  // the item 12 names the file "12"
        QCOMPARE(TileColour(w, Tile::Pusty), QColor(TileRenderer::HOLDER_BACKGROUND));  // empty name
    }

    void aBadLookChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("cfg");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("four items") << QByteArray("M,a.gif,n.png,pe.jpg\r\n") << "wiersz 1";
        QTest::newRow("name only") << QByteArray("\"M\"\r\n") << "pięć pozycji";
        QTest::newRow("last picture missing") << QByteArray("M,a.gif,n.png,pe.jpg,brak.png") << "brak.png";
        QTest::newRow("first picture missing") << QByteArray("M,brak.png,n.png,pe.jpg,pu.bmp") << "brak.png";
        QTest::newRow("not a picture") << QByteArray("M,a.gif,n.png,m.cfg,pu.bmp") << "m.cfg";
        QTest::newRow("a folder") << QByteArray("M,a.gif,n.png,.,pu.bmp") << "„.”";
    }

    void aBadLookChangesNothing()
    {
        QFETCH(QByteArray, cfg);
        QFETCH(QString, mentions);
        ScratchFolder folder;
        SaveFourPictures();
        WriteFile(QStringLiteral("m.cfg"), cfg);
        Kelbor w;
        Problems problems;
        problems.attach(w);
        const Snapshot before(w);
        Apply(w, QStringLiteral("m.cfg"));
        QCOMPARE(problems.texts.size(), 1);
        QVERIFY2(problems.texts[0].contains(QStringLiteral("m.cfg")), qPrintable(problems.texts[0]));
        QVERIFY2(problems.texts[0].contains(mentions), qPrintable(problems.texts[0]));
        QVERIFY(Snapshot(w) == before);
        QVERIFY(!w.FMmod->isHidden());
    }

    void unreadableLookFilesAreReported()
    {
        ScratchFolder folder;
        WriteFile(QStringLiteral("a.cfg"), "");
        WriteFile(QStringLiteral("b.cfg"), "B,x,y,z,w");
        Problems problems;
        Kelbor w;  // start-up meets the empty file first; it must not end the program
        problems.attach(w);
        QCOMPARE(w.MODnazwa->text(), QStringLiteral("Jakaś mata lub coś"));
        w.show();  // what start-up found is told once the window is there
        QTRY_COMPARE(problems.texts.size(), 1);
        QVERIFY2(problems.texts[0].contains(QStringLiteral("a.cfg")), qPrintable(problems.texts[0]));
        w.BTNmata->click();
        w.FLmod->setCurrentRow(1);
        QCOMPARE(w.MODnazwa->text(), QStringLiteral("B"));
        QFile::remove(QStringLiteral("b.cfg"));
        w.MODzast->click();
        QCOMPARE(problems.texts.size(), 2);
        QVERIFY(problems.texts[1].contains(QStringLiteral("nie istnieje")));
    }

    void withNoLookFileTheButtonsAreSafe()
    {
        ScratchFolder folder;
        Kelbor w;
        Problems problems;
        problems.attach(w);
        const Snapshot before(w);
        QCOMPARE(w.FLmod->count(), 0);
        QCOMPARE(w.MODnazwa->text(), QStringLiteral("Jakaś mata lub coś"));
        w.BTNmata->click();
        w.MODzast->click();
        QVERIFY(!w.FMmod->isHidden());
        w.MODok->click();
        QVERIFY(!!w.FMmod->isHidden());
        QVERIFY(Snapshot(w) == before);
        QVERIFY(problems.texts.isEmpty());
    }

    void namesInTheOldCodePageAreReadToo()
    {
        ScratchFolder folder;
        WriteFile(QStringLiteral("stara.cfg"), "\"Mata \xb9\x9c\xbf\",a,b,c,d");  // ąśż in Windows-1250
        Kelbor w;
        QCOMPARE(w.MODnazwa->text(), QStringLiteral("Mata ąśż"));
    }

    void helpOpensOnItsContentsAndLeavesTheGameAlone()
    {
        ScratchFolder folder;
        WriteFile(QString::fromLatin1(HELP_FILE),
                  "<html><body><h1>Spis tre\xc5\x9b" "ci</h1>" + QByteArray(400, '\n').replace('\n', "<p>x</p>") +
                      "</body></html>");
        Kelbor w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        PressCell(w, 4, 6);
        PressCell(w, 4, 4);
        PressCell(w, 2, 4);
        const Snapshot before(w);
        const MoveLog log = w.game().moveLog();
        w.Pomoc->click();
        HelpWindow *help = w.helpWindow();
        QVERIFY(help && help->isVisible());
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Spis treści")));
        help->browser()->verticalScrollBar()->setValue(help->browser()->verticalScrollBar()->maximum());
        w.Pomoc->click();
        QCOMPARE(help->browser()->verticalScrollBar()->value(), 0);
        QVERIFY(Snapshot(w) == before);
        QVERIFY(w.game().moveLog() == log);
        QVERIFY(w.game().hasSelection());
        QCOMPARE(w.game().pegsLeft(), Int16(31));
    }

    void aMissingHelpFileIsToldInTheHelpWindow()
    {
        ScratchFolder folder;
        Kelbor w;
        w.Pomoc->click();
        QVERIFY(w.helpWindow()->browser()->toPlainText().contains(QString::fromLatin1(HELP_FILE)));
        QVERIFY(w.helpWindow()->browser()->toPlainText().contains(QStringLiteral("Nie znaleziono")));
    }
};

QTEST_MAIN(LooksTest)
#include "looks_test.moc"
