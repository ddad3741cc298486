#include "kelbor.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QTimer>

#include <utility>

#include "boardlook.h"
#include "boardpicture.h"
#include "builtinpictures.h"
#include "filetext.h"
#include "helpwindow.h"
#include "movefile.h"
#include "replay.h"
#include "twips.h"

namespace peg {

namespace {

const QColor WINDOW_GREY(128, 128, 128);

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
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(EmbeddedIcon())));
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

void Kelbor::FillFileList(QListWidget *list, const QString &pattern)
{
    list->clear();
    const QStringList names = QDir::current().entryList({pattern}, QDir::Files | QDir::Readable,
                                                        QDir::Name | QDir::IgnoreCase);
    list->addItems(names);
}

void Kelbor::Form_Load()
{
    FillFileList(FLmod, QStringLiteral("*.cfg"));
    if (FLmod->count() > 0)
        FLmod->setCurrentRow(0);
    FillFileList(PlikOd, QStringLiteral("*.txt"));
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
    FillFileList(PlikOd, QStringLiteral("*.txt"));
    Odt->show();
    if (PlikOd->count() > 0)
        PlikOd->setCurrentRow(0);
}

bool Kelbor::readGameFile(const QString &name, const QString &title, std::string &content)
{
    QString why;
    if (ReadWholeFile(name, content, why))
        return true;
    problem(title, QStringLiteral("Nie można odczytać pliku „%1”: %2.").arg(name, why));
    return false;
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
        QMessageBox::warning(this, title, text);
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
    const QString name = plik->text();  // as typed: no trimming, no extension added
    const QString title = QStringLiteral("Zapis ruchów");
    if (name.isEmpty()) {
        problem(title, QStringLiteral("Podaj nazwę pliku, do którego mają trafić ruchy."));
        return;
    }
    // The temporary file is renamed over the old one, which would also
    // replace a read-only file (even for root): honour the read-only mark.
    const QFileInfo existing(name);
    const bool readOnly = !existing.isWritable() || !existing.permission(QFileDevice::WriteOwner);
    if (existing.exists() && (!existing.isFile() || readOnly)) {
        problem(title, QStringLiteral("Nie można zapisać ruchów do pliku „%1”: %2.")
                           .arg(name, existing.isFile() ? QStringLiteral("plik jest tylko do odczytu")
                                                        : QStringLiteral("to nie jest zwykły plik")));
        return;
    }
    const std::string bytes = FormatMoveFile(game_);
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())
        || !file.commit()) {
        problem(title, QStringLiteral("Nie można zapisać ruchów do pliku „%1”: %2.").arg(name, FileErrorText(file)));
        return;  // the panel stays open, any earlier file of that name is whole
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
    QListWidgetItem *chosen = PlikOd->currentItem();
    if (!chosen || replayRunning())
        return;
    TMOdt->setInterval(intervalMs);
    game_.NewGame();

    const QString name = chosen->text();
    const QString title = QStringLiteral("Odtwarzanie ruchów");
    std::string content;
    if (!readGameFile(name, title, content))
        return;
    MoveFile moves;
    try {
        moves = ParseMoveFile(content);
    } catch (const MoveFileError &e) {
        problem(title, QStringLiteral("Pliku „%1” nie można odtworzyć.\n%2").arg(name, QString::fromStdString(e.what())));
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

void Kelbor::Mapa_MouseDown(Qt::MouseButton button, QPoint pixel)
{
    if (button != Qt::LeftButton)
        return;
    // Presses map by pixels: the board is drawn in 60-pixel cells whatever
    // the screen's density.
    const int col = pixel.x() / TILE_PX + 1;
    const int row = pixel.y() / TILE_PX + 1;
    if (pixel.x() < 0 || pixel.y() < 0)
        return;
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
    QListWidgetItem *chosen = FLmod->currentItem();
    if (!chosen)
        return;
    const QString name = chosen->text();
    std::string content;
    if (!readGameFile(name, QStringLiteral("Wygląd planszy"), content))
        return;
    try {
        MODnazwa->setText(ReadBoardLookName(content));
    } catch (const BoardLookError &e) {
        problem(QStringLiteral("Wygląd planszy"),
                QStringLiteral("Plik „%1” nie jest plikiem wyglądu planszy.\n%2").arg(name, QString::fromStdString(e.what())));
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
    QListWidgetItem *chosen = FLmod->currentItem();
    if (!chosen)
        return;
    const QString name = chosen->text();
    const QString title = QStringLiteral("Wygląd planszy");
    std::string content;
    if (!readGameFile(name, title, content))
        return;
    // Everything is read and loaded before a single tile changes, so a bad
    // file never leaves the board in a mix of two looks.
    BoardLookPictures pictures;
    try {
        pictures = LoadBoardLookPictures(ParseBoardLook(content));
    } catch (const BoardLookError &e) {
        problem(title, QStringLiteral("Nie można zastosować wyglądu z pliku „%1”.\n%2")
                           .arg(name, QString::fromStdString(e.what())));
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
