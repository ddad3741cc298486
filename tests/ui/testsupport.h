#pragma once

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include "boardpicture.h"
#include "kelbor.h"

namespace peg::testing {

inline QImage Cell(const QImage &board, int col, int row)
{
    return board.copy((col - 1) * TILE_PX, (row - 1) * TILE_PX, TILE_PX, TILE_PX);
}

inline QPoint CellCentre(int col, int row)
{
    return QPoint((col - 1) * TILE_PX + TILE_PX / 2, (row - 1) * TILE_PX + TILE_PX / 2);
}

// A press as a person makes it: through the window, hit-tested, so an open
// panel catches it before the board does.
inline void Press(Kelbor &w, QPoint onMapa, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(w.windowHandle(), button, {}, w.Mapa->mapTo(&w, onMapa));
}

inline void PressCell(Kelbor &w, int col, int row)
{
    Press(w, CellCentre(col, row));
}

inline bool IsStartPosition(const Game &g)
{
    for (int c = 1; c <= 7; ++c) {
        for (int r = 1; r <= 7; ++r) {
            const bool hole = (c >= 3 && c <= 5) || (r >= 3 && r <= 5);
            const Int16 want = !hole ? CELL_NONE : (c == 4 && r == 4) ? CELL_EMPTY : CELL_PEG;
            if (g.cell(c, r) != want)
                return false;
        }
    }
    return g.pegsLeft() == START_PEGS;
}

// Every cell of the image shows the tile its cell code asks for.
inline bool ImageMatchesBoard(Kelbor &w)
{
    for (int c = 1; c <= 7; ++c) {
        for (int r = 1; r <= 7; ++r) {
            const Int16 code = w.game().cell(c, r);
            const Tile t = code == CELL_NONE ? Tile::Nieuzyt : code == CELL_EMPTY ? Tile::Pusty : Tile::Pelny;
            if (Cell(w.renderer().image(), c, r) != w.renderer().tileImage(t))
                return false;
        }
    }
    return true;
}

inline void WriteFile(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

inline QByteArray ReadFile(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs each test in a fresh, empty working folder.
class ScratchFolder {
public:
    ScratchFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~ScratchFolder() { QDir::setCurrent(previous_); }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

// Collects what the window would have shown in message boxes.
struct Problems {
    QStringList texts;
    void attach(Kelbor &w)
    {
        w.reportProblem = [this](const QString &, const QString &text) { texts << text; };
    }
};

} // namespace peg::testing
