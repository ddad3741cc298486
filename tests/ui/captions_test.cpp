// SPDX-License-Identifier: MIT
// Every caption fits its control in the face it is drawn in, in Polish and
// in English, at the screen scale the test runs at (ctest runs it at 100,
// 150 and 200 %).
#include <QGroupBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTranslator>

#include "elidedlabel.h"
#include "testsupport.h"

using namespace peg;
using namespace peg::testing;

class CaptionsTest : public QObject {
    Q_OBJECT

private slots:
    void captionsFitTheirControls_data()
    {
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("lookButton");
        QTest::newRow("Polish") << QString() << QStringLiteral("Mata");
        QTest::newRow("English") << QStringLiteral(":/i18n/kelbs-pegboard_en.qm") << QStringLiteral("Look");
    }
    void captionsFitTheirControls()
    {
        QFETCH(QString, translation);
        QFETCH(QString, lookButton);
        QTranslator translator;
        if (!translation.isEmpty())
            QVERIFY(translator.load(translation) && QCoreApplication::installTranslator(&translator));
        ScratchFolder folder;
        ShownKelbor w;
        for (const char *opens : {"BTNzapr", "BTNOdt", "BTNmata"})
            Click(w, opens);
        QCOMPARE(Ctl<QPushButton>(w, "BTNmata")->text(), lookButton);  // in the language meant
        int checked = 0;
        for (QWidget *c : w.findChildren<QWidget *>()) {
            QString text;
            int room = 0;
            if (auto *b = qobject_cast<QPushButton *>(c)) {
                QStyleOptionButton option;
                option.initFrom(b);
                option.text = text = b->text();
                room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b).width();
            } else if (auto *g = qobject_cast<QGroupBox *>(c)) {
                text = g->title();
                room = g->width() - 2 * g->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 8;
            } else if (auto *l = qobject_cast<QLabel *>(c); l && !qobject_cast<ElidedLabel *>(c)) {
                text = l->text();
                room = l->contentsRect().width();
            }
            if (text.isEmpty())
                continue;
            const int needs = c->fontMetrics().horizontalAdvance(text);
            QVERIFY2(needs <= room, qPrintable(QStringLiteral("%1 \"%2\": %3 > %4 pixels")
                                                   .arg(c->objectName(), text).arg(needs).arg(room)));
            ++checked;
        }
        QVERIFY(checked >= 20);
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(CaptionsTest)
#include "captions_test.moc"
