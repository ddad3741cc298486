// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

namespace peg {

// Has a screen reader speak text now, whatever has the focus: hints, short
// notes. Nothing happens without a screen reader.
void ReadOut(QWidget *from, const QString &text);

} // namespace peg
