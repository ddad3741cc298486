// SPDX-License-Identifier: MIT
#include "kelbor.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include <cmath>
#include <cstring>

#include "boardpicture.h"
#include "controlfactory.h"
#include "elidedlabel.h"
#include "filelists.h"
#include "focusstyle.h"
#include "gamefiles.h"
#include "heldkeys.h"
#include "helpwindow.h"
#include "hintaction.h"
#include "panel.h"
#include "playerfiles.h"
#include "playermessages.h"
#include "problemoracle.h"
#include "readout.h"
#include "gamewords.h"
#include "moveactions.h"
#include "replaycontrol.h"
#include "twips.h"
#include "windowicon.h"

namespace peg {

Kelbor::Kelbor(QWidget *parent)
    : QWidget(parent), game_(&screen_)
{
    setObjectName(QStringLiteral("Kelbor"));
    setWindowTitle(QStringLiteral("Kelb's Pegboard"));
    setFixedSize(WINDOW_SIZE);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));  // the design's grey
    setPalette(pal);
    setAutoFillBackground(true);
    // The controls were laid out for a classic 8-point face; the platform's
    // larger default would clip captions such as "średnio".
    QFont controls = font();
    controls.setPointSize(8);
    setFont(controls);

    icon_ = new WindowIcon(this);
    messages_ = new PlayerMessages(this, [this] { giveIcon(); });  // a box takes this icon
    buildControls();
    Form_Load();
}

Kelbor::~Kelbor()
{
    game_.setView(nullptr);
}

void Kelbor::buildControls()
{
    qApp->installEventFilter(new HeldKeys(this));
    focusStyle_ = new FocusStyle;  // the platform's style, with a focus mark that shows
    focusStyle_->setParent(this);
    controls_ = std::make_unique<ControlFactory>(this, screen_.renderer(), focusStyle_);
    controls_->build(nullptr);
    controls_->point("Mapa", Mapa);
    controls_->point("PCnieuzyt", PCnieuzyt);
    controls_->point("PCpusty", PCpusty);
    controls_->point("PCpelny", PCpelny);
    controls_->point("PCaktual", PCaktual);
    controls_->point("Label1", Label1);
    controls_->point("LBile", LBile);

    screen_.attach(Mapa, Label1, LBile, {PCnieuzyt, PCpusty, PCpelny, PCaktual});
    Mapa->setDescriber([this](CellPos c) { return screen_.CellDescription(c.col, c.row); });
    screen_.onPositionChanged([this] {
        updateActions();
        if (hints_)
            hints_->positionChanged();
        // Once the change is whole: a new game shows its count before its board.
        if (!statusDue_ && (showWinnable_ || picking_)) {
            statusDue_ = true;
            QTimer::singleShot(0, this, [this] {
                statusDue_ = false;
                updateStatusLine();
            });
        }
    });

    // The handlers that are not a button's click.
    connect(Mapa, &BoardPicture::pressed, this, &Kelbor::Mapa_MouseDown);
    // Keyboard play and taking moves back: additions that a player who uses
    // the mouse never meets.
    connect(Mapa, &BoardPicture::cursorActivated, this, [this](CellPos cell) {
        Mapa_MouseDown(Qt::LeftButton, QPointF((cell.col - 0.5) * TILE_PX, (cell.row - 0.5) * TILE_PX));
    });
    // Queued, so the icon goes out after the board's first picture.
    connect(Mapa, &BoardPicture::firstPainted, this, &Kelbor::giveIcon, Qt::QueuedConnection);
    Mapa->setHoleTest([this](int col, int row) { return game_.cell(col, row) != CELL_NONE; });
    actions_ = new MoveActions(this, game_, [this] { return replayRunning() || picking_; });
    oracle_ = new ProblemOracle(this);
    connect(oracle_, &ProblemOracle::answerImproved, this, &Kelbor::updateStatusLine);
    // A hint would land on a board the open panel hides, and H would not
    // reach the panel's controls as the letter the player may mean.
    hints_ = new HintAction(this, game_, Mapa, oracle_,
                            [this] { return replayRunning() || anyPanelOpen() || picking_; });
    // The rest of the game and the line above the board: actions the
    // menus show, their keys live from the start.
    finish_ = new QAction(tr("Dokończ &grę"), this);
    finish_->setObjectName(QStringLiteral("finish"));
    finish_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    addAction(finish_);
    connect(finish_, &QAction::triggered, this, &Kelbor::FinishGame);
    auto *showWinnable = new QAction(tr("Pokazuj, czy można &wygrać"), this);
    showWinnable->setObjectName(QStringLiteral("showWinnable"));
    showWinnable->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    showWinnable->setCheckable(true);
    addAction(showWinnable);
    connect(showWinnable, &QAction::toggled, this, &Kelbor::setShowWinnable);
    leavePicking_ = new QAction(this);
    leavePicking_->setShortcut(QKeySequence(Qt::Key_Escape));
    leavePicking_->setEnabled(false);  // Escape stays the panels' own
    addAction(leavePicking_);
    connect(leavePicking_, &QAction::triggered, this, &Kelbor::leavePicking);

    replay_ = new ReplayControl(game_, this);
    replay_->onProblem([this](const Problem &problem) {
        leavePicking();
        if (&problem != problem_)
            chooseProblem(problem);
    });
    TMOdt = replay_->timer();
    connect(replay_, &ReplayControl::started, this, [this] {
        closePanel(Odt, "BTNOdt");
        Mapa->setEnabled(false);
        updateActions();
    });
    connect(replay_, &ReplayControl::ended, this, [this] {
        Mapa->setEnabled(true);
        updateActions();
        updateStatusLine();
    });
    connect(replay_, &ReplayControl::refused, this, [this](const QString &why) { problem(REPLAY_TITLE, why); });
    connect(replay_, &ReplayControl::stopped, this, [this](const QString &why) {
        screen_.DrawBoard();  // no highlight may stay behind from the refused move
        problem(REPLAY_TITLE, why);
    });
}

// A panel and what lies in it are built the first time the panel is needed:
// most games never open one, and start-up need not pay for all three.
void Kelbor::needPanel(const char *name)
{
    if (!controls_->build(name))
        return;
    if (std::strcmp(name, "Odt") == 0) {
        controls_->point("Odt", Odt);
        controls_->point("PlikOd", PlikOd);
        Odt->setKeys([this] { OdtOK_Click(); }, [this] { ODTAnu_Click(); });
    } else if (std::strcmp(name, "FMmod") == 0) {
        controls_->point("FMmod", FMmod);
        controls_->point("MODnazwa", MODnazwa);
        controls_->point("FLmod", FLmod);
        FMmod->setKeys([this] { MODok_Click(); }, [this] { MODanul_Click(); });
        // The looks found at start-up, the first chosen and its name as it
        // was read then; choosing reads a name only from here on.
        ShowFiles(FLmod, startLooks_);
        if (FLmod->count() > 0)
            FLmod->setCurrentRow(0);
        if (!startLookName_.isNull())
            MODnazwa->setText(startLookName_);
        connect(FLmod, &QListWidget::currentRowChanged, this, [this](int row) {
            if (row >= 0)
                FLmod_Click();
        });
    } else if (std::strcmp(name, "FMzapr") == 0) {
        controls_->point("FMzapr", FMzapr);
        controls_->point("Label2", Label2);
        controls_->point("plik", plik);
        FMzapr->setKeys([this] { ZaprOK_Click(); }, [this] { ZaprAnul_Click(); });
    }
}

QWidget *Kelbor::control(const char *name)
{
    if (!ControlFactory::Has(name))
        return nullptr;
    if (const char *panel = ControlFactory::PanelOf(name))
        needPanel(panel);
    return controls_->find(name);
}

void Kelbor::Form_Load()
{
    // The look list is the folder as it is now; the first look is chosen
    // and its name read, so a bad file is told at start-up.
    RemoveSaveLeftovers();
    startLooks_ = ListedFiles(".cfg");
    if (!startLooks_.isEmpty())
        readLookName(startLooks_.first().second.toStdString(), startLookName_);
    game_.NewGame();
}

void Kelbor::TellNoPlayerFolder() { problem(FOLDER_TITLE, NoPlayerFolderMessage()); }

void Kelbor::BTNreset_Click()
{
    leavePicking();
    game_.NewGame();
}

void Kelbor::chooseProblem(const Problem &problem)
{
    if (replayRunning())
        return;
    picking_.reset();
    leavePicking_->setEnabled(false);
    updateActions();
    problem_ = &problem;
    oracle_->setProblem(problem);
    game_.SetStart({Board::Of(problem.shape).holes(), problem.start});
    game_.NewGame();
    setWindowTitle(&problem == &CentralProblem()
                       ? QStringLiteral("Kelb's Pegboard")
                       : tr("Kelb's Pegboard – %1").arg(QString::fromStdString(problem.name)));
    updateStatusLine();
    emit problemChanged();
}

void Kelbor::pickEmptyHole(Shape shape)
{
    if (replayRunning())
        return;
    for (Panel *panel : {Odt, FMmod, FMzapr})
        if (panel && !panel->isHidden())
            panel->closeTo(Mapa);
    if (!picking_)
        beforePicking_ = game_;
    picking_ = shape;
    leavePicking_->setEnabled(true);
    updateActions();
    const Grid holes = Board::Of(shape).holes();
    game_.SetStart({holes, holes});
    game_.NewGame();
    Mapa->setFocus();
    updateStatusLine();
    emit problemChanged();
}

void Kelbor::leavePicking()
{
    if (!picking_)
        return;
    picking_.reset();
    leavePicking_->setEnabled(false);
    updateActions();
    game_ = beforePicking_;  // its start, board, moves and what Redo can make again
    game_.DropSelection();
    screen_.DrawBoard();
    screen_.ShowCount(game_.pegsLeft());
    updateStatusLine();
    emit problemChanged();
}

void Kelbor::pickHole(int col, int row)
{
    if (!InGameArea(col, row) || game_.cell(col, row) == CELL_NONE)
        return;
    const int bit = GridBit(col, row);
    for (const Problem &p : Problems())
        if (p.shape == *picking_ && p.emptyHole == bit && p.goalHole < 0) {
            chooseProblem(p);
            return;
        }
    hints_->tell(QString::fromStdString(NoSingleEmptyText(col, row)));
}

void Kelbor::FinishGame()
{
    if (replayRunning() || anyPanelOpen() || picking_)
        return;
    const Grid position = GridOf(game_);
    oracle_->ask(position, [this, position](const Answer &answer) {
        if (replayRunning() || anyPanelOpen() || picking_ || GridOf(game_) != position)
            return;
        if (answer.verdict == Verdict::Reachable && !answer.line.empty())
            replay_->startMoves(answer.line);
        else
            hints_->explain(position, answer);
    });
}

void Kelbor::setShowWinnable(bool on)
{
    if (auto *action = findChild<QAction *>(QStringLiteral("showWinnable")))
        action->setChecked(on);  // the menu's tick, when asked for elsewhere
    showWinnable_ = on;
    updateStatusLine();
}

void Kelbor::setStatus(const QString &text, bool announce)
{
    if (text.isEmpty()) {
        if (statusLine_)
            statusLine_->hide();
        return;
    }
    if (!statusLine_) {
        // In the grey strip above the board, which the design leaves empty;
        // made only when first needed.
        statusLine_ = new QLabel(this);
        statusLine_->setObjectName(QStringLiteral("statusLine"));
        statusLine_->setGeometry(Mapa->x(), 0, Mapa->width(), Mapa->y());
        statusLine_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (statusLine_->text() != text || statusLine_->isHidden()) {
        statusLine_->setText(text);
        statusLine_->setAccessibleName(text);
        statusLine_->show();
        if (announce)
            ReadOut(statusLine_, text);
    }
}

void Kelbor::updateStatusLine()
{
    if (!oracle_)  // still being built
        return;
    if (picking_) {
        setStatus(QString::fromStdString(PickEmptyHoleText()));
        return;
    }
    if (!showWinnable_ || replayRunning()) {
        if (!showWinnable_)
            setStatus({});
        return;
    }
    const Grid position = GridOf(game_);
    const QString name = QString::fromStdString(problem_->name) + QStringLiteral(": ");
    // Until the answer comes the line says it is being worked out; an
    // answer at hand replaces that at once.
    setStatus(name + QStringLiteral("…"), false);
    oracle_->ask(position, [this, position, name](const Answer &answer) {
        if (showWinnable_ && !picking_ && GridOf(game_) == position)
            setStatus(name + QString::fromStdString(VerdictText(answer.verdict, IsGoal(*problem_, position),
                                                                IsPerfect(*problem_, position))));
    });
}

void Kelbor::BTNmata_Click()
{
    leavePicking();
    needPanel("FMmod");
    FMmod->open(FLmod);
}

void Kelbor::MODanul_Click() { closePanel(FMmod, "BTNmata"); }

void Kelbor::BTNzapr_Click()
{
    leavePicking();
    needPanel("FMzapr");
    FMzapr->open(plik);
}

void Kelbor::closePanel(Panel *panel, const char *opener)
{
    if (panel)  // never built: never open
        panel->closeTo(controls_->find(opener));
}

void Kelbor::ZaprAnul_Click() { closePanel(FMzapr, "BTNzapr"); }

void Kelbor::ODTAnu_Click() { closePanel(Odt, "BTNOdt"); }

void Kelbor::BTNOdt_Click()
{
    leavePicking();
    needPanel("Odt");
    // Files saved since the list was last read show up now.
    ShowFiles(PlikOd, ListedFiles(".txt"));
    if (PlikOd->count() > 0)
        PlikOd->setCurrentRow(0);
    Odt->open(PlikOd);
}

void Kelbor::problem(const char *title, const QString &text)
{
    messages_->tell(QCoreApplication::translate("Words", title), text);
}

void Kelbor::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // For a window shown but never drawn (started minimised, say), whose
    // task bar entry still wants the icon.
    icon_->windowShown();
    messages_->windowShown();
}

void Kelbor::ZaprOK_Click()
{
    needPanel("FMzapr");
    if (const QString problemText = SaveMoves(plik->text(), game_, *problem_); !problemText.isEmpty())
        problem(SAVE_TITLE, problemText);  // the panel stays open
    else
        closePanel(FMzapr, "BTNzapr");
}

bool Kelbor::replayRunning() const { return replay_->running(); }

bool Kelbor::anyPanelOpen() const
{
    for (const Panel *panel : {Odt, FMmod, FMzapr})
        if (panel && !panel->isHidden())
            return true;
    return false;
}

void Kelbor::OdtOK_Click() { startReplayAt(replay_->interval()); }

void Kelbor::SPDQ_Click() { startReplayAt(ReplayControl::SZYBKO_MS); }
void Kelbor::SPDM_Click() { startReplayAt(ReplayControl::SREDNIO_MS); }
void Kelbor::SPDSL_Click() { startReplayAt(ReplayControl::WOLNO_MS); }

void Kelbor::startReplayAt(int intervalMs)
{
    needPanel("Odt");
    if (replayRunning())
        return;
    // A speed button sets the speed first, whatever then becomes of the
    // start: OK takes the last speed chosen.
    replay_->setInterval(intervalMs);
    const std::string name = ChosenFile(PlikOd);
    if (name.empty())
        return;
    // The whole file is read and checked before the board is touched: a
    // refused file leaves the game in progress, and what undo can take back.
    std::string content;
    if (const QString problemText = ReadGameFile(name, content); !problemText.isEmpty())
        problem(REPLAY_TITLE, problemText);
    else
        replay_->start(name, content);
}

void Kelbor::updateActions()
{
    if (replay_ && actions_)  // both built
        actions_->update();
    if (finish_ && replay_)
        finish_->setEnabled(!replayRunning() && !picking_);
}

void Kelbor::TMOdt_Timer() { replay_->tick(); }

void Kelbor::Mapa_MouseDown(Qt::MouseButton button, QPointF position)
{
    if (button != Qt::LeftButton || position.x() < 0 || position.y() < 0)
        return;
    // Presses map by pixels: the board is drawn in 60-pixel cells whatever
    // the screen's density. A position between two device pixels belongs to
    // the cell it lies in, so it is cut, never rounded into the next cell.
    const int col = int(std::floor(position.x())) / TILE_PX + 1;
    const int row = int(std::floor(position.y())) / TILE_PX + 1;
    if (picking_)
        pickHole(col, row);
    else
        game_.CellClicked(col, row);
}

void Kelbor::FLmod_Click()
{
    needPanel("FMmod");
    QString shown;
    if (readLookName(ChosenFile(FLmod), shown))
        MODnazwa->setText(shown);
}

bool Kelbor::readLookName(const std::string &name, QString &shown)
{
    if (name.empty())
        return false;
    const QString problemText = ReadLookName(name, shown);
    if (!problemText.isEmpty())
        problem(LOOK_TITLE, problemText);
    return problemText.isEmpty();
}

void Kelbor::MODzast_Click() { LoadBoardLook(); }

void Kelbor::MODok_Click()
{
    needPanel("FMmod");
    closePanel(FMmod, "BTNmata");
    LoadBoardLook();
}

void Kelbor::LoadBoardLook()
{
    needPanel("FMmod");
    const std::string name = ChosenFile(FLmod);
    if (name.empty())
        return;
    BoardLookPictures pictures;
    QString shown;
    if (const QString problemText = LoadLook(name, pictures, shown); !problemText.isEmpty()) {
        problem(LOOK_TITLE, problemText);
        return;
    }
    MODnazwa->setText(shown);  // the look applied, should its file have changed since it was chosen
    for (Tile t : {Tile::Nieuzyt, Tile::Pusty, Tile::Aktual, Tile::Pelny})
        screen_.renderer().setTilePicture(t, pictures.byTile[std::size_t(t)], pictures.twice[std::size_t(t)]);
    screen_.showTilePictures();
    screen_.DrawBoard();
}

void Kelbor::Pomoc_Click()
{
    if (!help_) {
        giveIcon();  // the help window takes its icon from this one
        help_ = new HelpWindow(this);
        // Beside the board rather than over it, so both can be read at once.
        help_->move(window()->frameGeometry().topRight() + QPoint(8, 0));
    }
    help_->showContents();
}

void Kelbor::giveIcon() { icon_->give(); }

} // namespace peg
