// SPDX-License-Identifier: MIT
// What main() sets up before the window: Qt's own strings in Polish, and no
// image plugin loaded for the built-in pictures.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "builtinpictures.h"
#include "translation.h"

namespace {

// One of Qt's own strings: all of them come from the one file loaded.
QString CancelButtonText()
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("t"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    return box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&'));
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    // Before any test function, whatever the order or choice of them: Qt
    // loads every image plugin (TIFF, WebP...) for a picture read without
    // its format named, which cost a tenth of start-up; the built-in
    // pictures need no reader.
    void initTestCase()
    {
        for (peg::Tile t : {peg::Tile::Nieuzyt, peg::Tile::Pusty, peg::Tile::Pelny, peg::Tile::Aktual})
            QVERIFY(!peg::EmbeddedTile(t).isNull());
        QVERIFY(!peg::EmbeddedIconAllSizes().isNull());
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY2(!maps.readAll().contains("/imageformats/"), "an image plugin was loaded");
    }

    // Nothing is installed yet, whatever a failed load tried: no folder, no
    // file, not a translation at all, a folder in the file's place.
    void missingOrBrokenTranslationIsQuietAndLeavesEnglish()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QTemporaryDir dir;
        QFile junk(dir.filePath(QStringLiteral("qtbase_pl.qm")));
        QVERIFY(!peg::LoadQtPolish(*qApp, dir.filePath(QStringLiteral("no-such-folder"))));
        QVERIFY(!peg::LoadQtPolish(*qApp, dir.path()));
        QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("not a compiled translation\n") > 0);
        junk.close();
        QVERIFY(!peg::LoadQtPolish(*qApp, dir.path()));
        QVERIFY(junk.remove() && QDir(dir.path()).mkdir(QStringLiteral("qtbase_pl.qm")));
        QVERIFY(!peg::LoadQtPolish(*qApp, dir.path()));
        QCOMPARE(CancelButtonText(), QStringLiteral("Cancel"));
    }

    void qtStringsArePolishOnceLoaded()
    {
        QVERIFY2(peg::LoadQtPolish(*qApp), "qtbase_pl.qm not found: install qt6-translations-l10n");
        QCOMPARE(CancelButtonText(), QStringLiteral("Anuluj"));
        QCOMPARE(QLocale().language(), QLocale::Polish);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"
