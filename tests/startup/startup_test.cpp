// SPDX-License-Identifier: MIT
// What main() sets up before the window: the player's language, Qt's own
// strings in Polish, and no image plugin loaded for the built-in pictures.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "builtinpictures.h"
#include "game.h"
#include "gamewords.h"
#include "translation.h"
#include "words.h"

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

    // The first of the player's languages that the game has decides.
    void languageFollowsThePlayersOrder_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<bool>("english");
        QTest::newRow("none") << QStringList() << false;
        QTest::newRow("C locale") << QStringList{"C"} << false;
        QTest::newRow("English") << QStringList{"en-GB", "en-Latn-GB"} << true;
        QTest::newRow("Polish") << QStringList{"pl-PL", "pl"} << false;
        QTest::newRow("German only") << QStringList{"de", "de-DE"} << false;
        QTest::newRow("German, then English") << QStringList{"de", "de-DE", "en", "en-US"} << true;
        QTest::newRow("Polish before English") << QStringList{"fr", "pl", "en"} << false;
        QTest::newRow("English before Polish") << QStringList{"en_US", "pl"} << true;
        QTest::newRow("not a prefix") << QStringList{"eng", "enx-XX"} << false;
    }
    void languageFollowsThePlayersOrder()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(bool, english);
        QCOMPARE(peg::PreferredLanguage(uiLanguages) == peg::Language::English, english);
    }

    // The game's own texts and those of its rules, free of Qt, in English;
    // Qt's own strings stay English, as they are.
    void englishReachesEveryText()
    {
        QVERIFY(peg::LoadLanguage(*qApp, peg::Language::English));
        QCOMPARE(QCoreApplication::translate("Controls", "Zapisz Ruchy"), QStringLiteral("Save Moves"));
        QCOMPARE(peg::HintText({4, 2, 4, 4}), std::string("hint: from column 4, row 2 to column 4, row 4"));
        QCOMPARE(peg::Quoted("wynik.txt"), std::string("\u201Cwynik.txt\u201D"));
        QCOMPARE(CancelButtonText(), QStringLiteral("Cancel"));
        QCOMPARE(QLocale().language(), QLocale::English);
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
