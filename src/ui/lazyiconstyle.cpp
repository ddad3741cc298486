// SPDX-License-Identifier: MIT
#include "lazyiconstyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>

namespace peg {

namespace {

// The style's icon, asked of it when first needed.
class LaterIcon : public QIconEngine {
public:
    LaterIcon(const QStyle *style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override { return icon().availableSizes(mode, state); }
    bool isNull() override { return false; }  // asking would make it
    QIconEngine *clone() const override { return new LaterIcon(*this); }

private:
    QIcon &icon()
    {
        if (icon_.isNull() && style_)
            icon_ = style_->standardIcon(which_);
        return icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
};

} // namespace

QIcon LazyIconStyle::standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const
{
    if (which == SP_ToolBarHorizontalExtensionButton)
        return QIcon(new LaterIcon(baseStyle(), which));
    return QProxyStyle::standardIcon(which, option, widget);
}

void LazyIconStyle::Install()
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        QApplication::setStyle(new LazyIconStyle);
}

} // namespace peg
