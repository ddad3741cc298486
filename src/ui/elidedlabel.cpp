// SPDX-License-Identifier: MIT
#include "elidedlabel.h"

#include <QPainter>

namespace peg {

ElidedLabel::ElidedLabel(const QString &text, QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);  // a name from a file is shown, never interpreted
    setText(text);
}

void ElidedLabel::setText(const QString &text)
{
    QLabel::setText(text);
    // A tooltip reads text that looks like markup as markup: escape it.
    setToolTip(Qt::mightBeRichText(text) ? QStringLiteral("<qt>%1</qt>").arg(text.toHtmlEscaped()) : text);
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = contentsRect();
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, fontMetrics().elidedText(text(), Qt::ElideRight, r.width()));
}

} // namespace peg
