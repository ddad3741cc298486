// SPDX-License-Identifier: MIT
// Starts like the game (or, built with BARE_WINDOW, like a plain Qt window
// with a label and a few buttons), prints "ready <resident KiB>" once the
// window's main picture has been painted, and quits.
#include <QApplication>
#include <QLocale>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

#include "resident.h"

#ifndef BARE_WINDOW
#include "boardpicture.h"
#include "gamewindow.h"
#include "translation.h"
#endif

namespace {

QElapsedTimer sinceMain;  // phases go to stderr, for finding where start-up goes


class FirstPaint : public QObject {
public:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // After this paint has been flushed to the screen.
            QTimer::singleShot(0, [] {
                std::fprintf(stderr, "painted %.1f ms after main\n", sinceMain.nsecsElapsed() / 1e6);
                std::printf("ready %ld\n", ResidentKiB());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char *argv[])
{
    sinceMain.start();
    QApplication app(argc, argv);
    std::fprintf(stderr, "application %.1f ms\n", sinceMain.nsecsElapsed() / 1e6);
    FirstPaint probe;
#ifndef BARE_WINDOW
    // As main() does, so its cost is counted; the language is the caller's.
    peg::LoadLanguage(app, peg::PreferredLanguage(QLocale::system().uiLanguages()));
#endif
#ifdef BARE_WINDOW
    QWidget w;
    w.setFixedSize(457, 464);  // the game window's size, without the game
    auto *label = new QLabel(QStringLiteral("Pozostało : 32"), &w);
    label->setGeometry(16, 16, 420, 420);
    for (int i = 0; i < 5; ++i)
        (new QPushButton(QStringLiteral("Przycisk"), &w))->setGeometry(16 + i * 88, 440, 80, 17);
    label->installEventFilter(&probe);
#else
    peg::GameWindow w;
    w.findChild<QWidget *>(QStringLiteral("Mapa"))->installEventFilter(&probe);
#endif
    std::fprintf(stderr, "window built %.1f ms\n", sinceMain.nsecsElapsed() / 1e6);
    w.show();
    return app.exec();
}
