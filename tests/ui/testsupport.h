// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <type_traits>
#include <utility>

#include "boardpicture.h"
#include "fullgame.h"
#include "kelbor.h"

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

// The window with its controls found by their names in the design, as a
// test reaches them: the window itself keeps them to itself. Finding a
// control in a panel builds the panel, as opening it would.
struct TestWindow : Kelbor {
    template <typename T>
    T *find(const char *name)
    {
        T *found = nullptr;
        if constexpr (std::is_base_of_v<QWidget, T>)
            found = qobject_cast<T *>(control(name));
        else
            found = findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    BoardPicture *Mapa = find<BoardPicture>("Mapa");
    QFrame *Tiles = find<QFrame>("Tiles");
    QLabel *Label1 = find<QLabel>("Label1"), *LBile = find<QLabel>("LBile"), *Label2 = find<QLabel>("Label2");
    QPushButton *BTNreset = find<QPushButton>("BTNreset"), *BTNzapr = find<QPushButton>("BTNzapr"),
                *BTNOdt = find<QPushButton>("BTNOdt"), *Pomoc = find<QPushButton>("Pomoc"),
                *BTNmata = find<QPushButton>("BTNmata");
    QGroupBox *FMmod = find<QGroupBox>("FMmod"), *Odt = find<QGroupBox>("Odt"), *FMzapr = find<QGroupBox>("FMzapr");
    QLabel *MODnazwa = find<QLabel>("MODnazwa");
    QListWidget *FLmod = find<QListWidget>("FLmod"), *PlikOd = find<QListWidget>("PlikOd");
    QPushButton *MODzast = find<QPushButton>("MODzast"), *MODok = find<QPushButton>("MODok"),
                *MODanul = find<QPushButton>("MODanul");
    QPushButton *SPDQ = find<QPushButton>("SPDQ"), *SPDM = find<QPushButton>("SPDM"),
                *SPDSL = find<QPushButton>("SPDSL"), *OdtOK = find<QPushButton>("OdtOK"),
                *ODTAnu = find<QPushButton>("ODTAnu");
    QLineEdit *plik = find<QLineEdit>("plik");
    QPushButton *ZaprOK = find<QPushButton>("ZaprOK"), *ZaprAnul = find<QPushButton>("ZaprAnul");
    QTimer *TMOdt = find<QTimer>("TMOdt");
};

// The window on screen, as the player has it.
struct ShownKelbor : TestWindow {
    ShownKelbor()
    {
        show();
        QVERIFY(QTest::qWaitForWindowExposed(this));
    }
};

inline QImage Cell(const QImage &board, int col, int row) { return board.copy((col - 1) * TILE_PX, (row - 1) * TILE_PX, TILE_PX, TILE_PX); }

inline QPoint CellCentre(int col, int row) { return QPoint(col * TILE_PX - TILE_PX / 2, row * TILE_PX - TILE_PX / 2); }

// A press as a person makes it: through the window, hit-tested, so an open
// panel catches it before the board does.
inline void Press(TestWindow &w, QPoint onMapa, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(w.windowHandle(), button, {}, w.Mapa->mapTo(&w, onMapa));
}

inline void PressCell(TestWindow &w, int col, int row) { Press(w, CellCentre(col, row)); }

// Every cell of the image shows the tile its cell code asks for.
inline bool ImageMatchesBoard(TestWindow &w)
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

inline bool AtStart(TestWindow &w) { return IsStartPosition(w.game()) && ImageMatchesBoard(w); }

// Collects what the window would have shown in message boxes.
struct Problems {
    QStringList texts;
    explicit Problems(TestWindow &w) { w.reportProblem = [this](const QString &, const QString &text) { texts << text; }; }
    QString last() const { return texts.value(texts.size() - 1); }
};

} // namespace peg::testing
