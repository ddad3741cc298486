// SPDX-License-Identifier: MIT
#include "kelbor.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

#include "boardlook.h"
#include "boardpicture.h"
#include "builtinpictures.h"
#include "gamefiles.h"
#include "helpwindow.h"
#include "movefile.h"
#include "replay.h"
#include "twips.h"

namespace peg {

namespace {

const QColor WINDOW_GREY(128, 128, 128);
const QString SAVE_TITLE = QStringLiteral("Zapis ruchów");
const QString LOOK_TITLE = QStringLiteral("Wygląd planszy");

QPushButton *Button(const QString &name, const QString &caption, const QRect &geometry, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

QLabel *Label(const QString &name, const QString &caption, const QRect &geometry, QWidget *parent)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    return l;
}

QListWidget *FileList(const QString &name, const QRect &geometry, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(geometry);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

// A fixed caption a little too long for its box gets a smaller size, not a cut.
void FitFont(QLabel *label)
{
    QFont f = label->font();
    while (QFontMetrics(f).horizontalAdvance(label->text()) > label->width() && f.pointSize() > 6)
        f.setPointSize(f.pointSize() - 1);
    label->setFont(f);
}

QFont CounterFont()
{
    QFont f;
    // Palatino Linotype where it exists, else a Palatino-like face. Asking
    // the database first spares fontconfig a slow search for a missing name.
    for (const char *family : {"Palatino Linotype", "P052", "Palatino", "URW Palladio L", "TeX Gyre Pagella"}) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(family))) {
            f.setFamily(QString::fromLatin1(family));
            break;
        }
    }
    f.setStyleHint(QFont::Serif);
    f.setPointSize(12);
    f.setBold(true);
    return f;
}

} // namespace

Kelbor::Kelbor(QWidget *parent)
    : QWidget(parent), game_(this)
{
    setObjectName(QStringLiteral("Kelbor"));
    setWindowTitle(QStringLiteral("Kelb's Pegboard"));
    // Also for the help window and message boxes, which have none of their own.
    QApplication::setWindowIcon(EmbeddedIconAllSizes());
    setFixedSize(457, 464);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, WINDOW_GREY);
    setPalette(pal);
    setAutoFillBackground(true);
    // The controls were laid out for a classic 8-point face; the platform's
    // larger default would clip captions such as "średnio".
    QFont controls = font();
    controls.setPointSize(8);
    setFont(controls);

    renderer_.setRefresh([this] { RefreshBoard(); });
    buildControls();
    setTabOrderFromDesign();
    Form_Load();
}

Kelbor::~Kelbor()
{
    game_.setView(nullptr);
}

void Kelbor::buildControls()
{
    Mapa = new BoardPicture(renderer_, this);
    Mapa->setObjectName(QStringLiteral("Mapa"));
    Mapa->setGeometry(Twips(240, 240, 6300, 6300));
    connect(Mapa, &BoardPicture::pressed, this, &Kelbor::Mapa_MouseDown);

    Tiles = new QFrame(this);
    Tiles->setObjectName(QStringLiteral("Tiles"));
    Tiles->setGeometry(Twips(1920, 120, 4455, 1455));
    Tiles->hide();
    PCnieuzyt = Label(QStringLiteral("PCnieuzyt"), {}, Twips(120, 240, 975, 975), Tiles);
    PCpusty = Label(QStringLiteral("PCpusty"), {}, Twips(1200, 240, 975, 975), Tiles);
    PCpelny = Label(QStringLiteral("PCpelny"), {}, Twips(2280, 240, 975, 975), Tiles);
    PCaktual = Label(QStringLiteral("PCaktual"), {}, Twips(3360, 240, 975, 975), Tiles);
    for (QLabel *pc : {PCnieuzyt, PCpusty, PCpelny, PCaktual})
        pc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    showTilePictures();

    Label1 = Label(QStringLiteral("Label1"), QStringLiteral("Pozostało :"), Twips(1920, 6600, 1335, 255), this);
    LBile = Label(QStringLiteral("LBile"), QStringLiteral("32"), Twips(3240, 6600, 375, 375), this);
    for (QLabel *l : {Label1, LBile}) {
        l->setFont(CounterFont());
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // The design's box is lower than a 12-point bold line: grow it down
        // so the letters' feet show.
        l->resize(l->width(), std::max(l->height(), l->fontMetrics().height()));
    }

    BTNreset = Button(QStringLiteral("BTNreset"), QStringLiteral("Reset"), Twips(240, 6600, 735, 255), this);
    BTNzapr = Button(QStringLiteral("BTNzapr"), QStringLiteral("Zapisz Ruchy"), Twips(5280, 6600, 1215, 255), this);
    BTNOdt = Button(QStringLiteral("BTNOdt"), QStringLiteral("Odtwórz"), Twips(4320, 6600, 855, 255), this);
    Pomoc = Button(QStringLiteral("Pomoc"), QStringLiteral("Pomoc"), Twips(1080, 6600, 735, 255), this);
    BTNmata = Button(QStringLiteral("BTNmata"), QStringLiteral("Mata"), Twips(3600, 6600, 615, 255), this);
    connect(BTNreset, &QPushButton::clicked, this, &Kelbor::BTNreset_Click);
    connect(BTNzapr, &QPushButton::clicked, this, &Kelbor::BTNzapr_Click);
    connect(BTNOdt, &QPushButton::clicked, this, &Kelbor::BTNOdt_Click);
    connect(BTNmata, &QPushButton::clicked, this, &Kelbor::BTNmata_Click);
    connect(Pomoc, &QPushButton::clicked, this, &Kelbor::Pomoc_Click);

    // The panels lie on the board picture. Odt is made first so that the
    // narrower board-look panel, made later, lies on top where they overlap.
    Odt = new Panel(QStringLiteral("Odtwórz "), Mapa);
    Odt->setObjectName(QStringLiteral("Odt"));
    Odt->setGeometry(Twips(1920, 1560, 2655, 3375));
    PlikOd = FileList(QStringLiteral("PlikOd"), Twips(120, 240, 1575, 2430), Odt);
    SPDQ = Button(QStringLiteral("SPDQ"), QStringLiteral("szybko"), Twips(1800, 240, 735, 255), Odt);
    SPDM = Button(QStringLiteral("SPDM"), QStringLiteral("średnio"), Twips(1800, 600, 735, 255), Odt);
    SPDSL = Button(QStringLiteral("SPDSL"), QStringLiteral("wolno"), Twips(1800, 960, 735, 255), Odt);
    OdtOK = Button(QStringLiteral("OdtOK"), QStringLiteral("OK"), Twips(120, 2880, 615, 375), Odt);
    ODTAnu = Button(QStringLiteral("ODTAnu"), QStringLiteral("Anuluj"), Twips(1080, 2880, 615, 375), Odt);
    connect(ODTAnu, &QPushButton::clicked, this, &Kelbor::ODTAnu_Click);
    connect(OdtOK, &QPushButton::clicked, this, &Kelbor::OdtOK_Click);
    connect(SPDQ, &QPushButton::clicked, this, &Kelbor::SPDQ_Click);
    connect(SPDM, &QPushButton::clicked, this, &Kelbor::SPDM_Click);
    connect(SPDSL, &QPushButton::clicked, this, &Kelbor::SPDSL_Click);

    FMmod = new Panel(QStringLiteral("Wygląd planszy"), Mapa);
    FMmod->setObjectName(QStringLiteral("FMmod"));
    FMmod->setGeometry(Twips(2160, 1560, 1695, 3375));
    MODnazwa = new ElidedLabel(QStringLiteral("Jakaś mata lub coś"), FMmod);
    MODnazwa->setObjectName(QStringLiteral("MODnazwa"));
    MODnazwa->setGeometry(Twips(120, 240, 1455, 255));
    FLmod = FileList(QStringLiteral("FLmod"), Twips(120, 600, 1455, 1845), FMmod);
    MODzast = Button(QStringLiteral("MODzast"), QStringLiteral("Zastosuj"), Twips(360, 2520, 975, 255), FMmod);
    MODok = Button(QStringLiteral("MODok"), QStringLiteral("Ok"), Twips(120, 3000, 615, 255), FMmod);
    MODanul = Button(QStringLiteral("MODanul"), QStringLiteral("Anuluj"), Twips(960, 3000, 615, 255), FMmod);
    connect(MODanul, &QPushButton::clicked, this, &Kelbor::MODanul_Click);
    connect(MODzast, &QPushButton::clicked, this, &Kelbor::MODzast_Click);
    connect(MODok, &QPushButton::clicked, this, &Kelbor::MODok_Click);
    connect(FLmod, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            FLmod_Click();
    });

    FMzapr = new Panel(QStringLiteral("Zapisz ruchy"), Mapa);
    FMzapr->setObjectName(QStringLiteral("FMzapr"));
    FMzapr->setGeometry(Twips(2160, 2880, 1935, 1575));
    Label2 = Label(QStringLiteral("Label2"), QStringLiteral("Plik z zapisem ruchów"), Twips(120, 240, 1575, 255), FMzapr);
    FitFont(Label2);
    plik = new QLineEdit(QStringLiteral("wynik.txt"), FMzapr);
    plik->setObjectName(QStringLiteral("plik"));
    plik->setGeometry(Twips(120, 480, 1575, 285));
    ZaprOK = Button(QStringLiteral("ZaprOK"), QStringLiteral("OK"), Twips(120, 960, 495, 255), FMzapr);
    ZaprAnul = Button(QStringLiteral("ZaprAnul"), QStringLiteral("Anuluj"), Twips(960, 960, 735, 255), FMzapr);
    connect(ZaprAnul, &QPushButton::clicked, this, &Kelbor::ZaprAnul_Click);
    connect(ZaprOK, &QPushButton::clicked, this, &Kelbor::ZaprOK_Click);

    TMOdt = new QTimer(Mapa);
    TMOdt->setObjectName(QStringLiteral("TMOdt"));
    TMOdt->setTimerType(Qt::PreciseTimer);
    TMOdt->setInterval(550);
    connect(TMOdt, &QTimer::timeout, this, &Kelbor::TMOdt_Timer);
}

void Kelbor::setTabOrderFromDesign()
{
    // Keyboard focus follows the design's tab indices; controls that take
    // no focus (labels, frames, the hidden tiles) simply drop out.
    const QList<QWidget *> order = {Mapa, BTNreset, BTNzapr, plik, ZaprOK, ZaprAnul, BTNOdt, PlikOd,
                                    OdtOK, ODTAnu, SPDQ, SPDSL, SPDM, Pomoc, BTNmata, FLmod,
                                    MODok, MODanul, MODzast};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Kelbor::showTilePictures()
{
    const std::pair<QLabel *, Tile> boxes[] = {
        {PCnieuzyt, Tile::Nieuzyt}, {PCpusty, Tile::Pusty}, {PCpelny, Tile::Pelny}, {PCaktual, Tile::Aktual}};
    for (const auto &[box, tile] : boxes)
        box->setPixmap(QPixmap::fromImage(renderer_.tileImage(tile)));
}

void Kelbor::FillFileList(QListWidget *list, const char *suffix)
{
    list->clear();
    // Names stay the bytes the system gave; the list shows them decoded.
    QList<std::pair<QString, QByteArray>> entries;
    for (const std::string &name : ListFiles(suffix))
        entries.append({ShownName(name), QByteArray::fromStdString(name)});
    std::sort(entries.begin(), entries.end(), [](const auto &a, const auto &b) {
        const int byText = QString::compare(a.first, b.first, Qt::CaseInsensitive);
        return byText != 0 ? byText < 0 : a.second < b.second;
    });
    for (const auto &[shown, bytes] : entries) {
        auto *item = new QListWidgetItem(shown, list);
        item->setData(Qt::UserRole, bytes);
    }
}

std::string Kelbor::ChosenFile(const QListWidget *list)
{
    const QListWidgetItem *chosen = list->currentItem();
    return chosen ? chosen->data(Qt::UserRole).toByteArray().toStdString() : std::string();
}

void Kelbor::Form_Load()
{
    FillFileList(FLmod, ".cfg");
    if (FLmod->count() > 0)
        FLmod->setCurrentRow(0);
    FillFileList(PlikOd, ".txt");
    game_.NewGame();
}

void Kelbor::BTNreset_Click()
{
    game_.NewGame();
}

void Kelbor::BTNmata_Click() { FMmod->show(); }
void Kelbor::MODanul_Click() { FMmod->hide(); }
void Kelbor::BTNzapr_Click() { FMzapr->show(); }
void Kelbor::ZaprAnul_Click() { FMzapr->hide(); }
void Kelbor::ODTAnu_Click() { Odt->hide(); }

void Kelbor::BTNOdt_Click()
{
    // Files saved since the list was last read show up now.
    FillFileList(PlikOd, ".txt");
    Odt->show();
    if (PlikOd->count() > 0)
        PlikOd->setCurrentRow(0);
}

bool Kelbor::readGameFile(const std::string &name, const QString &title, std::string &content)
{
    if (const FileError e = ReadWholeFile(name, MAX_TEXT_FILE_BYTES, content)) {
        problem(title, QStringLiteral("Nie można odczytać pliku %1: %2.")
                           .arg(QuotedName(name), QString::fromStdString(ReadFailureText(e))));
        return false;
    }
    return true;
}

QMessageBox *Kelbor::ProblemBox(QWidget *parent, const QString &title, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);  // names from files are shown, never interpreted
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

void Kelbor::problem(const QString &title, const QString &text)
{
    if (reportProblem) {
        reportProblem(title, text);
    } else if (!isVisible()) {
        // Found during start-up: told once the window is on screen, not
        // in a box that would stand alone before the game appears.
        pendingProblems_.append({title, text});
    } else {
        ProblemBox(this, title, text)->exec();
    }
}

void Kelbor::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!pendingProblems_.isEmpty()) {
        QTimer::singleShot(0, this, [this] {
            const auto pending = std::exchange(pendingProblems_, {});
            for (const auto &[title, text] : pending)
                problem(title, text);
        });
    }
}

void Kelbor::ZaprOK_Click()
{
    const QString typed = plik->text();  // as typed: no trimming, no extension added
    if (typed.isEmpty()) {
        problem(SAVE_TITLE, QStringLiteral("Podaj nazwę pliku, do którego mają trafić ruchy."));
        return;
    }
    const std::string name = typed.toStdString();
    if (const FileError e = WriteWholeFile(name, FormatMoveFile(game_))) {
        problem(SAVE_TITLE, QStringLiteral("Nie zapisano ruchów do pliku %1: %2.\nWcześniejszy plik o tej nazwie jest nietknięty.")
                                .arg(QuotedName(name), QString::fromStdString(WriteFailureText(e))));
        return;  // the panel stays open
    }
    FMzapr->hide();
}

bool Kelbor::replayRunning() const
{
    return TMOdt->isActive();
}

void Kelbor::OdtOK_Click()
{
    startReplayAt(TMOdt->interval());
}

void Kelbor::SPDQ_Click() { startReplayAt(1); }
void Kelbor::SPDM_Click() { startReplayAt(550); }
void Kelbor::SPDSL_Click() { startReplayAt(1200); }

void Kelbor::startReplayAt(int intervalMs)
{
    const std::string name = ChosenFile(PlikOd);
    if (name.empty() || replayRunning())
        return;
    TMOdt->setInterval(intervalMs);
    game_.NewGame();

    const QString title = QStringLiteral("Odtwarzanie ruchów");
    std::string content;
    if (!readGameFile(name, title, content))
        return;
    MoveFile moves;
    try {
        moves = ParseMoveFile(content);
    } catch (const MoveFileError &e) {
        problem(title, QStringLiteral("Pliku %1 nie można odtworzyć.\n%2").arg(QuotedName(name), QString::fromStdString(e.what())));
        return;
    }
    ApplyMoveFile(moves, game_);
    Odt->hide();
    Mapa->setEnabled(false);
    TMOdt->start();
}

void Kelbor::endReplay()
{
    TMOdt->stop();
    Mapa->setEnabled(true);
}

void Kelbor::TMOdt_Timer()
{
    RefusedMove refused;
    switch (ReplayTick(game_, &refused)) {
    case TickResult::Continue:
        break;
    case TickResult::Finished:
        endReplay();
        break;
    case TickResult::Refused: {
        endReplay();
        DrawBoard();  // no highlight may stay behind from the refused move
        const Move &m = refused.move;
        problem(QStringLiteral("Odtwarzanie ruchów"),
                QStringLiteral("Odtwarzanie zatrzymane: ruchu nr %1 (%2, %3 → %4, %5) nie można wykonać w tej pozycji.")
                    .arg(refused.number)
                    .arg(m.fromCol)
                    .arg(m.fromRow)
                    .arg(m.toCol)
                    .arg(m.toRow));
        break;
    }
    }
}

void Kelbor::Mapa_MouseDown(Qt::MouseButton button, QPointF position)
{
    if (button != Qt::LeftButton || position.x() < 0 || position.y() < 0)
        return;
    // Presses map by pixels: the board is drawn in 60-pixel cells whatever
    // the screen's density. A position between two device pixels belongs to
    // the cell it lies in, so it is cut, never rounded into the next cell.
    const int col = int(std::floor(position.x())) / TILE_PX + 1;
    const int row = int(std::floor(position.y())) / TILE_PX + 1;
    game_.CellClicked(col, row);
}

void Kelbor::DrawTile(Tile tile, int col, int row)
{
    renderer_.DrawTile(tile, col, row);
}

void Kelbor::RefreshBoard()
{
    const QRegion drawn = renderer_.takeDrawn();
    if (!drawn.isEmpty())
        Mapa->repaint(drawn);
}

void Kelbor::DrawBoard()
{
    renderer_.DrawBoard(game_);
}

void Kelbor::ShowCount(Int16 pegsLeft)
{
    LBile->setText(QString::number(pegsLeft));
    LBile->repaint();
}

void Kelbor::FLmod_Click()
{
    const std::string name = ChosenFile(FLmod);
    if (name.empty())
        return;
    std::string content;
    if (!readGameFile(name, LOOK_TITLE, content))
        return;
    try {
        MODnazwa->setText(ShownText(ReadBoardLookName(content)));
    } catch (const BoardLookError &e) {
        problem(LOOK_TITLE, QStringLiteral("Plik %1 nie jest plikiem wyglądu planszy.\n%2")
                                .arg(QuotedName(name), QString::fromStdString(e.what())));
    }
}

void Kelbor::MODzast_Click()
{
    LoadBoardLook();
}

void Kelbor::MODok_Click()
{
    FMmod->hide();
    LoadBoardLook();
}

void Kelbor::LoadBoardLook()
{
    const std::string name = ChosenFile(FLmod);
    if (name.empty())
        return;
    std::string content;
    if (!readGameFile(name, LOOK_TITLE, content))
        return;
    // Everything is read and loaded before a single tile changes, so a bad
    // file never leaves the board in a mix of two looks.
    BoardLookPictures pictures;
    try {
        pictures = LoadBoardLookPictures(ParseBoardLook(content));
    } catch (const BoardLookError &e) {
        problem(LOOK_TITLE, QStringLiteral("Nie można zastosować wyglądu z pliku %1.\n%2")
                                .arg(QuotedName(name), QString::fromStdString(e.what())));
        return;
    }
    for (Tile t : {Tile::Nieuzyt, Tile::Pusty, Tile::Aktual, Tile::Pelny})
        renderer_.setTilePicture(t, pictures.byTile[std::size_t(t)]);
    showTilePictures();
    DrawBoard();
}

void Kelbor::Pomoc_Click()
{
    if (!help_) {
        help_ = new HelpWindow(this);
        // Beside the board rather than over it, so both can be read at once.
        help_->move(frameGeometry().topRight() + QPoint(8, 0));
    }
    help_->showContents();
}

} // namespace peg
