// SPDX-License-Identifier: MIT
// The window where players' machines are unkind: saves that fail for real,
// inputs far too long, names that are not UTF-8, screens at other scales.
#include <QBuffer>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTextBrowser>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>

#include "gamefiles.h"
#include "helpwindow.h"
#include "playermessages.h"
#include "testsupport.h"

using namespace peg;
using namespace peg::testing;

namespace {

const QByteArray HEADER = "Plik opisujacy ruchy gracza. Ilosc pozostalych:\r\n";
const QByteArray OLD_SAVE = HEADER + " 30 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n";

void Save(TestWindow &w, const QString &name)
{
    w.BTNzapr->click();
    w.plik->setText(name);
    w.ZaprOK->click();
}

void Apply(TestWindow &w, const QString &cfg)
{
    w.BTNmata->click();
    w.FLmod->setCurrentItem(w.FLmod->findItems(cfg, Qt::MatchExactly).value(0));
    w.MODzast->click();
}

// Lowers this process's file-size limit for the life of the object; the
// signal that would end the process is ignored, so writes fail with EFBIG.
struct FileSizeLimit {
    rlimit old{};
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old);
        const rlimit lower{bytes, old.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &old); }
};

} // namespace

class HostileTest : public QObject {
    Q_OBJECT

private slots:
    void aFailedSaveKeepsTheOldFileAndThePanel_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("cause");
        QTest::newRow("file-size limit") << "wynik.txt" << "przekroczyłby dopuszczalny rozmiar";
        QTest::newRow("empty name") << "" << "Podaj nazwę pliku";
        QTest::newRow("missing folder") << "brak/wynik.txt" << "folder „brak” nie istnieje";
        QTest::newRow("read-only file") << "stary.txt" << "plik jest tylko do odczytu";
        QTest::newRow("a folder") << "." << "to jest folder";
        QTest::newRow("name too long") << QString(300, QLatin1Char('n')) << "nazwa jest za długa";
    }

    void aFailedSaveKeepsTheOldFileAndThePanel()
    {
        QFETCH(QString, name);
        QFETCH(QString, cause);
        ScratchFolder folder{{"wynik.txt", OLD_SAVE}, {"stary.txt", OLD_SAVE}};
        QFile::setPermissions(QStringLiteral("stary.txt"), QFileDevice::ReadOwner);
        TestWindow w;
        Problems problems(w);
        for (const Move &m : {FULL_GAME[0], FULL_GAME[1], FULL_GAME[2]}) {
            w.game().CellClicked(m.fromCol, m.fromRow);
            w.game().CellClicked(m.toCol, m.toRow);
        }
        {
            FileSizeLimit limit(qstrcmp(QTest::currentDataTag(), "file-size limit") == 0 ? 90 : RLIM_INFINITY);
            Save(w, name);
        }
        QCOMPARE(problems.texts.size(), 1);
        QVERIFY2(problems.last().contains(cause), qPrintable(problems.last()));
        QVERIFY(!w.FMzapr->isHidden());
        QCOMPARE(ReadFile(QStringLiteral("wynik.txt")), OLD_SAVE);
        QCOMPARE(ReadFile(QStringLiteral("stary.txt")), OLD_SAVE);
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 2);
    }

    void longInputsGiveShortMessages_data()
    {
        const QByteArray mib(1 << 20, '7');
        QTest::addColumn<QByteArray>("moveFile");
        QTest::addColumn<QByteArray>("lookFile");
        QTest::addColumn<QString>("saveName");
        QTest::addColumn<QString>("expected");
        QTest::newRow("counter of digits") << HEADER + mib.left(mib.size() - HEADER.size()) << QByteArray() << QString()
                                           << "przekracza zakres";
        QTest::newRow("a megabyte of letters") << QByteArray(1 << 20, 'x') << QByteArray() << QString()
                                               << "plik kończy się";
        QTest::newRow("a megabyte and a byte") << HEADER + QByteArray((1 << 20) + 1 - HEADER.size(), ',')
                                               << QByteArray() << QString() << "zbyt duży";
        QTest::newRow("picture name") << QByteArray() << "M,a.png,a.png,a.png," + QByteArray((1 << 20) - 20, 'p') << QString()
                                      << "nie można wczytać obrazka pustego otworu";
        QTest::newRow("save name") << QByteArray() << QByteArray() << "brak/" + QString(300, QLatin1Char('s'))
                                   << "nie istnieje";
    }

    void longInputsGiveShortMessages()
    {
        QFETCH(QByteArray, moveFile);
        QFETCH(QByteArray, lookFile);
        QFETCH(QString, saveName);
        QFETCH(QString, expected);
        ScratchFolder folder{{"a.png", ""}};
        if (!moveFile.isEmpty())
            WriteFile(QStringLiteral("ruchy.txt"), moveFile);
        if (!lookFile.isEmpty())
            WriteFile(QStringLiteral("m.cfg"), lookFile);
        ShownKelbor w;
        Problems problems(w);
        QElapsedTimer clock;
        clock.start();
        if (!moveFile.isEmpty()) {
            w.BTNOdt->click();
            w.OdtOK->click();
        } else if (!lookFile.isEmpty()) {
            QFile png(QStringLiteral("a.png"));
            QVERIFY(png.open(QIODevice::WriteOnly));
            QImage(60, 60, QImage::Format_RGB32).save(&png, "PNG");
            png.close();
            Apply(w, QStringLiteral("m.cfg"));
        } else {
            Save(w, saveName);
        }
        QVERIFY(clock.elapsed() < 500);
        QCOMPARE(problems.texts.size(), 1);
        const QString text = problems.last();
        QVERIFY2(text.contains(expected), qPrintable(text));
        QVERIFY2(text.size() < 400, qPrintable(text));
        QMessageBox *box = PlayerMessages::ProblemBox(&w, QStringLiteral("Tytuł"), text);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QVERIFY2(box->width() <= 600, qPrintable(QString::number(box->width())));
        box->close();
    }

    void aLongLookNameIsShortInTheLabelAndItsTooltip()
    {
        ScratchFolder folder{{"m.cfg", "\"" + QByteArray((1 << 20) - 20, 'N') + "\",a,b,c,d"}};
        TestWindow w;
        QCOMPARE(w.MODnazwa->text(), QString(40, QLatin1Char('N')) + QChar(0x2026));
        QCOMPARE(w.MODnazwa->toolTip(), w.MODnazwa->text());
    }

    void aByteOrderMarkIsNotPartOfTheFirstItem()
    {
        QImage red(60, 60, QImage::Format_RGB32);
        red.fill(Qt::red);
        ScratchFolder folder{{"m.cfg", "\xEF\xBB\xBF\"Nazwa, z przecinkiem\",r.png,r.png,r.png,r.png\r\n"},
                             {"ruchy.txt", "\xEF\xBB\xBF" + OLD_SAVE}};
        QVERIFY(red.save(QStringLiteral("r.png")));
        TestWindow w;
        Problems problems(w);
        QCOMPARE(w.MODnazwa->text(), QStringLiteral("Nazwa, z przecinkiem"));
        Apply(w, QStringLiteral("m.cfg"));
        QCOMPARE(w.renderer().tileImage(Tile::Pelny).pixelColor(30, 30), QColor(Qt::red));
        w.BTNOdt->click();
        w.SPDQ->click();
        w.TMOdt_Timer();
        w.TMOdt_Timer();
        QVERIFY2(problems.texts.isEmpty(), qPrintable(problems.last()));
        QCOMPARE(w.game().pegsLeft(), Int16(30));
    }

    void everythingWorksInAFolderWhoseNameIsNotUtf8()
    {
        ScratchFolder top;
        const QByteArray folder = "Gra \xb3\xb1ka";  // ISO-8859-2, as an old archive gives it
        const QByteArray odd = "\xbfo\xb3w";
        QVERIFY(::mkdir(folder.constData(), 0777) == 0 && ::chdir(folder.constData()) == 0);
        QImage green(60, 60, QImage::Format_RGB32);
        green.fill(Qt::green);
        for (const auto &[name, bytes] : {std::pair{odd + ".txt", OLD_SAVE},
                                          {odd + ".cfg", "Wygl\xb9" "d," + odd + ".png," + odd + ".png," + odd + ".png," + odd + ".png"},
                                          {QByteArray(HELP_FILE), "<h1>Pomoc</h1>"}}) {
            QVERIFY(!WriteWholeFile(name.toStdString(), bytes.toStdString()));
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        green.save(&buffer, "PNG");
        QVERIFY(!WriteWholeFile((odd + ".png").toStdString(), png.toStdString()));

        ShownKelbor w;
        Problems problems(w);
        QCOMPARE(w.FLmod->count(), 1);
        QCOMPARE(w.FLmod->item(0)->text(), QStringLiteral("żołw.cfg"));  // shown as Windows-1250
        QCOMPARE(w.MODnazwa->text(), QStringLiteral("Wygląd"));
        w.MODok->click();
        QCOMPARE(w.renderer().tileImage(Tile::Pusty).pixelColor(30, 30), QColor(Qt::green));
        w.BTNOdt->click();
        QCOMPARE(w.PlikOd->count(), 1);
        w.SPDQ->click();
        w.TMOdt_Timer();
        w.TMOdt_Timer();
        QCOMPARE(w.game().pegsLeft(), Int16(30));
        w.Pomoc->click();
        QVERIFY(w.helpWindow()->browser()->toPlainText().contains(QStringLiteral("Pomoc")));
        Save(w, QStringLiteral("nowy.txt"));
        QVERIFY2(problems.texts.isEmpty(), qPrintable(problems.last()));
        std::string saved;
        QVERIFY(!ReadWholeFile("nowy.txt", MAX_TEXT_FILE_BYTES, saved));
        QCOMPARE(QByteArray::fromStdString(saved), OLD_SAVE);
        QVERIFY(::chdir("..") == 0);
    }

    void pressesSelectTheCellTheyLandIn_data()
    {
        QTest::addColumn<double>("scale");
        for (double scale : {1.0, 1.25, 1.5, 2.0, 3.0})
            QTest::addRow("%g", scale) << scale;
    }

    // A press arrives in the board's logical pixels: the device pixel divided
    // by the screen's scale. Every cell's first and last device pixel must
    // select that cell, not its neighbour.
    void pressesSelectTheCellTheyLandIn()
    {
        QFETCH(double, scale);
        ScratchFolder folder;
        TestWindow w;
        for (int cell = 1; cell <= 7; ++cell) {
            const int first = int(std::ceil(scale * TILE_PX * (cell - 1)));
            const int last = int(std::ceil(scale * TILE_PX * cell)) - 1;
            for (int device : {first, last}) {
                for (bool alongRow : {true, false}) {
                    const double at = device / scale, middle = 3.5 * TILE_PX;
                    w.game().NewGame();
                    // As Qt delivers it: the widget position rounded to whole
                    // logical pixels, the window position exact.
                    const QPointF onMapa = alongRow ? QPointF(at, middle) : QPointF(middle, at);
                    const QPointF inWindow = onMapa + QPointF(w.Mapa->pos());
                    QMouseEvent press(QEvent::MouseButtonPress, QPointF(onMapa.toPoint()), inWindow, inWindow,
                                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                    QCoreApplication::sendEvent(w.Mapa, &press);
                    const QPoint expected = alongRow ? QPoint(cell, 4) : QPoint(4, cell);
                    // The centre holds no peg: a press there selects nothing.
                    const QPoint selected = w.game().hasSelection() ? QPoint(w.game().selectedCol(), w.game().selectedRow())
                                                                    : QPoint(4, 4);
                    QCOMPARE(selected, expected);
                }
            }
        }
    }

    void theCounterCaptionShowsWhole()
    {
        ScratchFolder folder;
        TestWindow w;
        const QLabel *caption = w.Label1;
        QCOMPARE(QRect(caption->x(), caption->y(), caption->width(), 0), QRect(128, 440, 89, 0));
        QVERIFY(caption->height() >= caption->fontMetrics().height());
        QVERIFY(caption->fontMetrics().boundingRect(caption->text()).height() <= caption->height());
    }
};

QTEST_MAIN(HostileTest)
#include "hostile_test.moc"
