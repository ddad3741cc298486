// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

namespace peg {

// The application's style: the platform's own, but for the menu bar's
// overflow arrow. Qt asks for that icon when it builds any menu bar, and
// making it reads a picture file through QImageReader, which loads every
// image plugin: a seventh of the game's start-up. The arrow only shows on
// a bar too narrow for its menus, which the game's never is, so it is made
// the first time it is drawn.
class LazyIconStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

    // Over the application's style, once: before the first widget asks for
    // a style, so none is polished twice.
    static void Install();
};

} // namespace peg
