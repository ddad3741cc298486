// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QWidget>

#include <utility>

class QStyle;

namespace peg {

class Kelbor;
class TileRenderer;

// The window's controls as its design states them, built from one table:
// those that stand on the window at once, a panel's when the panel is first
// needed. Controls are found by their names in the design, and keyboard
// focus follows the design's tab order over all that are built.
class ControlFactory {
public:
    ControlFactory(Kelbor *window, const TileRenderer &renderer, QStyle *style);

    // Builds the rows of panel (nullptr: the controls on the window itself)
    // unless they are built already; says whether it built them.
    bool build(const char *panel);

    // A built control, or nullptr.
    QWidget *find(const char *name) const { return built_.value(name); }
    // Points a member at the built control of that name.
    template <typename T> void point(const char *name, T *&member) const
    {
        member = qobject_cast<T *>(find(name));
        Q_ASSERT(member);
    }

    // Whether the design has a control of that name.
    static bool Has(const char *name);
    // The panel a control lies in (a panel lies in itself), or nullptr for
    // the controls that stand on the window whatever is open.
    static const char *PanelOf(const char *name);

private:
    Kelbor *window_;
    const TileRenderer &renderer_;
    QStyle *style_;
    QHash<QByteArray, QWidget *> built_;
    QList<std::pair<int, QWidget *>> focusOrder_;
};

} // namespace peg
