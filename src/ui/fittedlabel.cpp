// SPDX-License-Identifier: MIT
#include "fittedlabel.h"

#include <QFontMetrics>

namespace peg {

FittedLabel::FittedLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
}

void FittedLabel::showEvent(QShowEvent *event)
{
    if (!fitted_) {
        fitted_ = true;
        QFont f = font();
        while (QFontMetrics(f).horizontalAdvance(text()) > width() && f.pointSize() > 6)
            f.setPointSize(f.pointSize() - 1);
        setFont(f);
    }
    QLabel::showEvent(event);
}

} // namespace peg
