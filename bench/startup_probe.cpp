// Starts like the game (or, built with BARE_WINDOW, like a plain Qt window
// with a label and a few buttons), prints "ready <resident KiB>" once the
// window's main picture has been painted, and quits.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

#ifndef BARE_WINDOW
#include "boardpicture.h"
#include "kelbor.h"
#endif

namespace {

long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // After this paint has been flushed to the screen.
            QTimer::singleShot(0, [] {
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
    QApplication app(argc, argv);
    FirstPaint probe;
#ifdef BARE_WINDOW
    QWidget w;
    w.setFixedSize(457, 464);
    auto *label = new QLabel(QStringLiteral("Pozostało : 32"), &w);
    label->setGeometry(16, 16, 420, 420);
    for (int i = 0; i < 5; ++i)
        (new QPushButton(QStringLiteral("Przycisk"), &w))->setGeometry(16 + i * 88, 440, 80, 17);
    label->installEventFilter(&probe);
#else
    peg::Kelbor w;
    w.Mapa->installEventFilter(&probe);
#endif
    w.show();
    return app.exec();
}
