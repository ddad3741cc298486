// SPDX-License-Identifier: MIT
#include "boardscreen.h"

#include <QByteArray>
#include <QLabel>
#include <QPixmap>

#include <dlfcn.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>

#include "boardpicture.h"
#include "cursor.h"
#include "gamewords.h"

namespace peg {

namespace {

// P052 Bold in any file but a Type 1 one, as Qt names it ("P052 [UKWN]"
// on Debian), or plain "P052". Debian ships the face as Type 1 and as
// OpenType, and Qt would open the Type 1 file, which FreeType reads through
// at a cost of some 7 million instructions; the OpenType file opens for
// little. The foundry comes from fontconfig, so however a distribution
// spells it, the file is found by family and style.
QString CounterFamily()
{
    // fontconfig is Qt's, loaded with it. Linked here too, it would stand
    // before the C and C++ libraries in every symbol look-up at start, a
    // quarter of a million instructions, so it is only looked up.
    const auto getFonts = reinterpret_cast<decltype(&FcConfigGetFonts)>(::dlsym(RTLD_DEFAULT, "FcConfigGetFonts"));
    const auto getString =
        reinterpret_cast<decltype(&FcPatternGetString)>(::dlsym(RTLD_DEFAULT, "FcPatternGetString"));
    if (!getFonts || !getString)
        return QStringLiteral("P052");
    // Whether the font's object has the value, under any of its names.
    const auto named = [&](FcPattern *font, const char *object, const char *value) {
        FcChar8 *v = nullptr;
        for (int i = 0; getString(font, object, i, &v) == FcResultMatch; ++i)
            if (qstricmp(reinterpret_cast<const char *>(v), value) == 0)
                return true;
        return false;
    };
    // The fonts fontconfig reads for Qt anyway: walking them costs less
    // than asking it for a list or a match.
    const FcFontSet *fonts = getFonts(nullptr, FcSetSystem);
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        FcPattern *font = fonts->fonts[i];
        FcChar8 *foundry = nullptr;
        if (named(font, FC_FAMILY, "P052") && named(font, FC_STYLE, "Bold") && !named(font, FC_FONTFORMAT, "Type 1") &&
            getString(font, FC_FOUNDRY, 0, &foundry) == FcResultMatch)
            return QStringLiteral("P052 [%1]").arg(QString::fromUtf8(reinterpret_cast<const char *>(foundry)));
    }
    return QStringLiteral("P052");
}

QFont CounterFont()
{
    // Palatino Linotype, or the Palatino-like face Debian ships, in bold.
    // Naming the face that is there first, and taking its glyphs only,
    // spares fontconfig a search for substitutes: a tenth of start-up.
    static const QString p052 = CounterFamily();  // the caption and the count ask once
    QFont f;
    f.setFamilies({p052, QStringLiteral("P052"), QStringLiteral("Palatino Linotype"), QStringLiteral("Palatino")});
    f.setStyleHint(QFont::Serif);
    f.setPointSize(12);
    f.setBold(true);
    f.setStyleName(QStringLiteral("Bold"));
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

} // namespace

BoardScreen::BoardScreen(const Game &game) : game_(game)
{
    renderer_.setRefresh([this] { RefreshBoard(); });
}

void BoardScreen::attach(BoardPicture *board, QLabel *caption, QLabel *count, const std::array<QLabel *, 4> &tiles)
{
    for (QLabel *l : {caption, count}) {
        l->setFont(CounterFont());
        // The design's box is lower than a 12-point bold line: grow it down
        // so the letters' feet show.
        l->resize(l->width(), std::max(l->height(), l->fontMetrics().height()));
    }
    board_ = board;
    count_ = count;
    tiles_ = tiles;
    count_->setAccessibleName(QString::fromStdString(PegsLeftName(count_->text().toInt())));
    showTilePictures();
}

void BoardScreen::showTilePictures()
{
    for (Tile t : {Tile::Nieuzyt, Tile::Pusty, Tile::Pelny, Tile::Aktual})
        tiles_[std::size_t(t)]->setPixmap(QPixmap::fromImage(renderer_.tileImage(t)));
}

void BoardScreen::DrawTile(Tile tile, int col, int row)
{
    renderer_.DrawTile(tile, col, row);
}

void BoardScreen::RefreshBoard()
{
    const QRegion drawn = renderer_.takeDrawn();
    if (!drawn.isEmpty() && board_) {
        board_->repaint(drawn);
        board_->cellsDrawn(drawn);
    }
}

void BoardScreen::DrawBoard()
{
    renderer_.DrawBoard(game_);
}

void BoardScreen::ShowCount(Int16 pegsLeft)
{
    count_->setText(QString::number(pegsLeft));
    count_->setAccessibleName(QString::fromStdString(PegsLeftName(pegsLeft)));
    count_->repaint();
    if (positionChanged_)
        positionChanged_();
}

QString BoardScreen::CellDescription(int col, int row) const
{
    const Int16 code = InGameArea(col, row) ? game_.cell(col, row) : CELL_NONE;
    const bool selected = game_.hasSelection() && game_.selectedCol() == col && game_.selectedRow() == row;
    return QString::fromStdString(CellText(col, row, code, selected));
}

} // namespace peg
