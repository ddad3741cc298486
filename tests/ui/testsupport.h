// SPDX-License-Identifier: MIT
#pragma once

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "boardpicture.h"
#include "controlfactory.h"
#include "fullgame.h"
#include "helpwindow.h"
#include "kelbor.h"
#include "playermessages.h"

namespace peg::testing {

inline void WriteFile(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

inline QByteArray ReadFile(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs a test in a fresh working folder holding only the given files.
struct ScratchFolder {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    ScratchFolder(std::initializer_list<std::pair<QString, QByteArray>> files = {})
    {
        QDir::setCurrent(dir.path());
        for (const auto &[name, bytes] : files)
            WriteFile(name, bytes);
    }
    ~ScratchFolder() { QDir::setCurrent(previous); }
};

// A control by its design name, found as the game finds it. A panel's
// controls only once the test has opened the panel, as a player must: the
// window is never built ahead of the game.
template <typename T = QPushButton>
T *Ctl(Kelbor &w, const char *name)
{
    const char *panel = ControlFactory::PanelOf(name);
    T *c = panel && !w.findChild<QWidget *>(QLatin1String(panel)) ? nullptr : qobject_cast<T *>(w.control(name));
    if (!c)
        qFatal("%s: not in the design, or its panel not opened yet", name);
    return c;
}

inline BoardPicture *MapaOf(Kelbor &w) { return Ctl<BoardPicture>(w, "Mapa"); }
inline bool Shows(Kelbor &w, const char *name) { return Ctl<QWidget>(w, name)->isVisible(); }
inline QString Count(Kelbor &w) { return Ctl<QLabel>(w, "LBile")->text(); }
inline void Click(Kelbor &w, const char *name) { Ctl(w, name)->click(); }

// The window on screen and active, as the player has it.
struct ShownKelbor : Kelbor {
    ShownKelbor() { show(); activateWindow(); QVERIFY(QTest::qWaitForWindowActive(this)); }
};

// A press as the platform hands it over, at a board position that may fall
// between two logical pixels (a screen above 100 %): Qt picks the widget
// beneath by the rounded position, so an open panel takes it first.
inline void Press(Kelbor &w, QPointF onMapa, Qt::MouseButton button = Qt::LeftButton)
{
    const QPointF at = onMapa + QPointF(MapaOf(w)->pos()), global = at + QPointF(w.mapToGlobal(QPoint()));
    QTest::lastMouseTimestamp += 1000;  // never a double click
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        qt_handleMouseEvent(w.windowHandle(), at, global, type == QEvent::MouseButtonPress ? button : Qt::NoButton,
                            button, type, Qt::NoModifier, QTest::lastMouseTimestamp);
}

inline void PressCell(Kelbor &w, int col, int row) { Press(w, QPointF((col - 0.5) * TILE_PX, (row - 0.5) * TILE_PX)); }

inline QImage Cell(const QImage &board, int col, int row)
{
    return board.copy((col - 1) * TILE_PX, (row - 1) * TILE_PX, TILE_PX, TILE_PX);
}

inline QImage OnScreen(Kelbor &w) { return MapaOf(w)->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Every cell of the board's image shows the tile its cell holds.
inline bool ImageMatchesBoard(Kelbor &w)
{
    for (int i = 0; i < 49; ++i) {
        const Int16 code = w.game().cell(i % 7 + 1, i / 7 + 1);
        const Tile t = code == CELL_NONE ? Tile::Nieuzyt : code == CELL_EMPTY ? Tile::Pusty : Tile::Pelny;
        if (Cell(w.renderer().image(), i % 7 + 1, i / 7 + 1) != w.renderer().tileImage(t))
            return false;
    }
    return true;
}

inline bool AtStart(Kelbor &w) { return IsStartPosition(w.game()) && ImageMatchesBoard(w) && Count(w) == "32"; }

// Collects what the window would have shown in message boxes.
struct Told {
    QStringList texts;
    explicit Told(Kelbor &w) { w.messages().divertTo([this](const QString &, const QString &text) { texts << text; }); }
    QString last() const { return texts.value(texts.size() - 1); }
};

} // namespace peg::testing
