// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "game.h"
#include "boardscreen.h"
#include "problems.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMessageBox;
class QPushButton;
class QTimer;

namespace peg {

class BoardPicture;
class ControlFactory;
class ElidedLabel;
class FocusStyle;
class HelpWindow;
class HintAction;
class MoveActions;
class Panel;
class PlayerMessages;
class ProblemOracle;
class ReplayControl;
class WindowIcon;

// The game's one window. It holds the game and wires the rooms that do the
// work to the design's handlers: ControlFactory builds and finds the
// controls, BoardScreen is the game's view, ReplayControl runs replays,
// MoveActions takes moves back and makes them again, PlayerMessages tells
// problems, WindowIcon gives the icon; playerfiles reads and writes files.
class Kelbor : public QWidget {
    Q_OBJECT
public:
    explicit Kelbor(QWidget *parent = nullptr);
    ~Kelbor() override;

    Game &game() { return game_; }
    const TileRenderer &renderer() const { return screen_.renderer(); }

    // Event handlers, named after their control and event.
    void Form_Load();
    void BTNreset_Click();
    void BTNmata_Click();
    void MODanul_Click();
    void BTNzapr_Click();
    void ZaprAnul_Click();
    void ODTAnu_Click();
    void BTNOdt_Click();
    void Mapa_MouseDown(Qt::MouseButton button, QPointF position);
    void ZaprOK_Click();
    void OdtOK_Click();
    void SPDQ_Click();
    void SPDM_Click();
    void SPDSL_Click();
    void TMOdt_Timer();
    void FLmod_Click();
    void MODzast_Click();
    void MODok_Click();
    void Pomoc_Click();

    // Tells the player, once the window shows, that the game's folder is
    // a stand-in: what is saved there may be lost or refused.
    void TellNoPlayerFolder();

    // The hint, on H: a winning move's peg selected, the cursor on its target.
    HintAction *hints() const { return hints_; }

    HelpWindow *helpWindow() const { return help_; }

    // A control of the design by its name, its panel built first if it has
    // not been opened yet; nullptr for a name the design does not have.
    QWidget *control(const char *name);

    bool replayRunning() const;
    bool anyPanelOpen() const;

    // Where problems are told to the player.
    PlayerMessages &messages() const { return *messages_; }

    // The problem played: the central game until another is chosen, here
    // or by a replayed file. Choosing starts it anew. Refused while a
    // replay runs.
    const Problem &currentProblem() const { return *problem_; }
    void chooseProblem(const Problem &problem);
    ProblemOracle *oracle() const { return oracle_; }

    // The board full, waiting for a click on the hole to leave empty: the
    // problem of the shape with that hole empty starts. Escape, Reset, a
    // panel or a replay leave it, and the game in progress comes back.
    void pickEmptyHole(Shape shape);
    std::optional<Shape> picking() const { return picking_; }

    // The rest of a winning line, played as a replay at the speed chosen;
    // where there is none, a note says why.
    void FinishGame();

    // Whether the goal can still be reached, shown above the board after
    // every move.
    void setShowWinnable(bool on);
    bool showsWinnable() const { return showWinnable_; }

signals:
    void problemChanged();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void needPanel(const char *name);
    void closePanel(Panel *panel, const char *opener);
    bool readLookName(const std::string &name, QString &shown);
    void startReplayAt(int intervalMs);
    // title: one of the message titles in words.h, in Polish.
    void problem(const char *title, const QString &text);
    void LoadBoardLook();
    void giveIcon();
    void updateActions();
    void leavePicking();
    void pickHole(int col, int row);
    void updateStatusLine();
    void setStatus(const QString &text, bool announce = true);

    // The controls the handlers use, by their names in the window's design;
    // the window builds them from one table, a panel's when it is first
    // needed (null until then). What the names stand for:
    // Mapa: the board. Label1 "Pozostało :" and LBile, the count beside it.
    // PCnieuzyt, PCpusty, PCpelny, PCaktual: the four tile pictures (no
    // hole, empty hole, peg, selected peg), in a frame never shown.
    // Buttons under the board: BTNreset, Pomoc (help), BTNmata (looks),
    // BTNOdt (replay), BTNzapr (save).
    // Odt: the replay panel; PlikOd its file list; SPDQ, SPDM, SPDSL the
    // speeds (szybko, średnio, wolno); OdtOK start at the last speed; ODTAnu close.
    // FMmod: the look panel; FLmod its list; MODnazwa the chosen look's
    // name; MODzast apply; MODok apply and close; MODanul close.
    // FMzapr: the save panel; Label2 its caption; plik the file name;
    // ZaprOK save; ZaprAnul close.
    // TMOdt: the replay's timer.
    BoardPicture *Mapa = nullptr;
    QLabel *PCnieuzyt = nullptr, *PCpusty = nullptr, *PCpelny = nullptr, *PCaktual = nullptr;
    QLabel *Label1 = nullptr, *LBile = nullptr, *Label2 = nullptr;
    Panel *Odt = nullptr, *FMmod = nullptr, *FMzapr = nullptr;
    QListWidget *PlikOd = nullptr, *FLmod = nullptr;
    ElidedLabel *MODnazwa = nullptr;
    QLineEdit *plik = nullptr;
    QTimer *TMOdt = nullptr;
    ReplayControl *replay_ = nullptr;
    MoveActions *actions_ = nullptr;
    HintAction *hints_ = nullptr;
    FocusStyle *focusStyle_ = nullptr;
    std::unique_ptr<ControlFactory> controls_;
    QList<std::pair<QString, QByteArray>> startLooks_;  // the look files found at start-up
    QString startLookName_;                             // the first one's name as read then

    Game game_;
    BoardScreen screen_{game_};
    const Problem *problem_ = &CentralProblem();
    ProblemOracle *oracle_ = nullptr;
    QLabel *statusLine_ = nullptr;  // above the board: the picking mode, or whether the goal can be reached
    bool showWinnable_ = false;
    bool statusDue_ = false;
    std::optional<Shape> picking_;
    Game beforePicking_;  // the game in progress while a hole is picked
    QAction *leavePicking_ = nullptr;
    QAction *finish_ = nullptr;
    HelpWindow *help_ = nullptr;
    PlayerMessages *messages_ = nullptr;
    WindowIcon *icon_ = nullptr;
};

} // namespace peg
