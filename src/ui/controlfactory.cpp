// SPDX-License-Identifier: MIT
#include "controlfactory.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <cstring>

#include "boardpicture.h"
#include "elidedlabel.h"
#include "fittedlabel.h"
#include "kelbor.h"
#include "panel.h"
#include "textfield.h"
#include "twips.h"

namespace peg {

namespace {

// The window as its design states it: every control with its kind, its
// parent, its place in twips, its caption and its tab index (-1: it takes no
// focus), and the handler of its click. Panels stack in this order, the last
// on top where they overlap.
enum class Kind { Board, Frame, TilePicture, CounterLabel, FittedLabel, NameLabel, Button, FileList, TextBox, Panel };

struct ControlDesign {
    const char *name;
    Kind kind;
    const char *parent;  // nullptr: the window itself
    int left, top, width, height;
    const char *caption;
    int tabIndex;
    void (Kelbor::*click)() = nullptr;
};

const ControlDesign DESIGN[] = {
    {"Mapa", Kind::Board, nullptr, 240, 240, 6300, 6300, "", 0},
    {"Tiles", Kind::Frame, nullptr, 1920, 120, 4455, 1455, "", -1},
    {"PCnieuzyt", Kind::TilePicture, "Tiles", 120, 240, 975, 975, "", -1},
    {"PCpusty", Kind::TilePicture, "Tiles", 1200, 240, 975, 975, "", -1},
    {"PCpelny", Kind::TilePicture, "Tiles", 2280, 240, 975, 975, "", -1},
    {"PCaktual", Kind::TilePicture, "Tiles", 3360, 240, 975, 975, "", -1},
    {"Label1", Kind::CounterLabel, nullptr, 1920, 6600, 1335, 255, QT_TRANSLATE_NOOP("Controls", "Pozostało :"), -1},
    {"LBile", Kind::CounterLabel, nullptr, 3240, 6600, 375, 375, "32", -1},
    {"BTNreset", Kind::Button, nullptr, 240, 6600, 735, 255, QT_TRANSLATE_NOOP("Controls", "Reset"), 8, &Kelbor::BTNreset_Click},
    {"BTNzapr", Kind::Button, nullptr, 5280, 6600, 1215, 255, QT_TRANSLATE_NOOP("Controls", "Zapisz Ruchy"), 9, &Kelbor::BTNzapr_Click},
    {"BTNOdt", Kind::Button, nullptr, 4320, 6600, 855, 255, QT_TRANSLATE_NOOP("Controls", "Odtwórz"), 15, &Kelbor::BTNOdt_Click},
    {"Pomoc", Kind::Button, nullptr, 1080, 6600, 735, 255, QT_TRANSLATE_NOOP("Controls", "Pomoc"), 23, &Kelbor::Pomoc_Click},
    {"BTNmata", Kind::Button, nullptr, 3600, 6600, 615, 255, QT_TRANSLATE_NOOP("Controls", "Mata"), 24, &Kelbor::BTNmata_Click},

    {"Odt", Kind::Panel, "Mapa", 1920, 1560, 2655, 3375, QT_TRANSLATE_NOOP("Controls", "Odtwórz "), -1},
    {"PlikOd", Kind::FileList, "Odt", 120, 240, 1575, 2430, "", 17},
    {"SPDQ", Kind::Button, "Odt", 1800, 240, 735, 255, QT_TRANSLATE_NOOP("Controls", "szybko"), 20, &Kelbor::SPDQ_Click},
    {"SPDM", Kind::Button, "Odt", 1800, 600, 735, 255, QT_TRANSLATE_NOOP("Controls", "średnio"), 22, &Kelbor::SPDM_Click},
    {"SPDSL", Kind::Button, "Odt", 1800, 960, 735, 255, QT_TRANSLATE_NOOP("Controls", "wolno"), 21, &Kelbor::SPDSL_Click},
    {"OdtOK", Kind::Button, "Odt", 120, 2880, 615, 375, QT_TRANSLATE_NOOP("Controls", "OK"), 18, &Kelbor::OdtOK_Click},
    {"ODTAnu", Kind::Button, "Odt", 1080, 2880, 615, 375, QT_TRANSLATE_NOOP("Controls", "Anuluj"), 19, &Kelbor::ODTAnu_Click},

    {"FMmod", Kind::Panel, "Mapa", 2160, 1560, 1695, 3375, QT_TRANSLATE_NOOP("Controls", "Wygląd planszy"), -1},
    {"MODnazwa", Kind::NameLabel, "FMmod", 120, 240, 1455, 255, QT_TRANSLATE_NOOP("Controls", "Jakaś mata lub coś"), -1},
    {"FLmod", Kind::FileList, "FMmod", 120, 600, 1455, 1845, "", 26},
    {"MODzast", Kind::Button, "FMmod", 360, 2520, 975, 255, QT_TRANSLATE_NOOP("Controls", "Zastosuj"), 30, &Kelbor::MODzast_Click},
    {"MODok", Kind::Button, "FMmod", 120, 3000, 615, 255, QT_TRANSLATE_NOOP("Controls", "Ok"), 27, &Kelbor::MODok_Click},
    {"MODanul", Kind::Button, "FMmod", 960, 3000, 615, 255, QT_TRANSLATE_NOOP("Controls", "Anuluj"), 28, &Kelbor::MODanul_Click},

    {"FMzapr", Kind::Panel, "Mapa", 2160, 2880, 1935, 1575, QT_TRANSLATE_NOOP("Controls", "Zapisz ruchy"), -1},
    {"Label2", Kind::FittedLabel, "FMzapr", 120, 240, 1575, 255, QT_TRANSLATE_NOOP("Controls", "Plik z zapisem ruchów"), -1},
    {"plik", Kind::TextBox, "FMzapr", 120, 480, 1575, 285, "wynik.txt", 11},
    {"ZaprOK", Kind::Button, "FMzapr", 120, 960, 495, 255, QT_TRANSLATE_NOOP("Controls", "OK"), 13, &Kelbor::ZaprOK_Click},
    {"ZaprAnul", Kind::Button, "FMzapr", 960, 960, 735, 255, QT_TRANSLATE_NOOP("Controls", "Anuluj"), 14, &Kelbor::ZaprAnul_Click},
};

// What a screen reader calls the controls that have no caption of their own.
const std::pair<const char *, const char *> SPOKEN_NAMES[] = {
    {"Mapa", QT_TRANSLATE_NOOP("Controls", "Plansza")},
    {"Tiles", QT_TRANSLATE_NOOP("Controls", "Obrazki pól")},
    {"PCnieuzyt", QT_TRANSLATE_NOOP("Controls", "Pole bez otworu")},
    {"PCpusty", QT_TRANSLATE_NOOP("Controls", "Pusty otwór")},
    {"PCpelny", QT_TRANSLATE_NOOP("Controls", "Pion")},
    {"PCaktual", QT_TRANSLATE_NOOP("Controls", "Wybrany pion")},
    {"PlikOd", QT_TRANSLATE_NOOP("Controls", "Pliki z ruchami")},
    {"FLmod", QT_TRANSLATE_NOOP("Controls", "Pliki wyglądu planszy")},
    {"MODnazwa", QT_TRANSLATE_NOOP("Controls", "Nazwa wyglądu planszy")},
    {"plik", QT_TRANSLATE_NOOP("Controls", "Nazwa pliku z ruchami")},
};



QWidget *MakeControl(const ControlDesign &design, QWidget *parent, Kelbor *window, const TileRenderer &renderer)
{
    const QString caption = QCoreApplication::translate("Controls", design.caption);
    QWidget *w = nullptr;
    switch (design.kind) {
    case Kind::Board:
        w = new BoardPicture(renderer, parent);
        break;
    case Kind::Frame:
        w = new QFrame(parent);
        w->hide();  // holds the tile pictures; never shown
        break;
    case Kind::FittedLabel:
        w = new FittedLabel(caption, parent);
        break;
    case Kind::TilePicture:
    case Kind::CounterLabel: {
        auto *label = new QLabel(caption, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        w = label;
        break;
    }
    case Kind::NameLabel:
        w = new ElidedLabel(caption, parent);
        break;
    case Kind::Button: {
        auto *button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, window, design.click);
        w = button;
        break;
    }
    case Kind::FileList: {
        auto *list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        w = list;
        break;
    }
    case Kind::TextBox:
        w = new TextField(caption, parent);
        break;
    case Kind::Panel:
        w = new Panel(caption, parent);
        break;
    }
    w->setObjectName(QString::fromLatin1(design.name));
    w->setGeometry(PixelsOfTwips(design.left, design.top, design.width, design.height));
    return w;
}

const ControlDesign *DesignOf(const char *name)
{
    for (const ControlDesign &design : DESIGN)
        if (std::strcmp(design.name, name) == 0)
            return &design;
    return nullptr;
}

// The panel a control lies in (a panel lies in itself), or nullptr for the
// controls that stand on the window whatever is open.
const char *DesignPanel(const ControlDesign &design)
{
    for (const ControlDesign *d = &design; d; d = d->parent ? DesignOf(d->parent) : nullptr)
        if (d->kind == Kind::Panel)
            return d->name;
    return nullptr;
}

bool SamePanel(const char *a, const char *b) { return a == b || (a && b && std::strcmp(a, b) == 0); }

} // namespace

ControlFactory::ControlFactory(Kelbor *window, const TileRenderer &renderer, QStyle *style)
    : window_(window), renderer_(renderer), style_(style)
{
}

bool ControlFactory::Has(const char *name) { return DesignOf(name) != nullptr; }

const char *ControlFactory::PanelOf(const char *name)
{
    const ControlDesign *design = DesignOf(name);
    return design ? DesignPanel(*design) : nullptr;
}

bool ControlFactory::build(const char *panel)
{
    if (panel && built_.contains(panel))
        return false;
    for (const ControlDesign &design : DESIGN) {
        if (!SamePanel(DesignPanel(design), panel))
            continue;
        QWidget *parent = design.parent ? built_.value(design.parent) : static_cast<QWidget *>(window_);
        QWidget *w = MakeControl(design, parent, window_, renderer_);
        w->setStyle(style_);
        built_.insert(design.name, w);
        if (design.tabIndex >= 0)
            focusOrder_.append({design.tabIndex, w});
        for (const auto &[name, spoken] : SPOKEN_NAMES)
            if (std::strcmp(name, design.name) == 0)
                w->setAccessibleName(QCoreApplication::translate("Controls", spoken));
    }
    // Keyboard focus follows the design's tab indices over every control
    // built so far; controls that take no focus (labels, frames, the
    // hidden tiles) are not in it.
    std::sort(focusOrder_.begin(), focusOrder_.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (qsizetype i = 1; i < focusOrder_.size(); ++i)
        QWidget::setTabOrder(focusOrder_[i - 1].second, focusOrder_[i].second);
    return true;
}

} // namespace peg
