// SPDX-License-Identifier: MIT
// Any bytes as a board-look file: the name and the five items are read or
// refused with BoardLookError; nothing else may escape. Then as a picture.
#include <cstddef>
#include <cstdint>
#include <string>

#include <QCoreApplication>

#include "boardlook.h"
#include "pngcorner.h"
#include "words.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string content(reinterpret_cast<const char *>(data), size);
    try {
        peg::ReadBoardLookName(content);
        const peg::BoardLookFile look = peg::ParseBoardLook(content);
        (void)look.pusty.size();
    } catch (const peg::BoardLookError &) {
    }
    peg::ShownName(content);
    // The same bytes as a picture: the corner reader must refuse or decode,
    // never read past the data or crash.
    const QImage corner = peg::ReadPngCorner(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), QSize(60, 60));
    if (!corner.isNull() && (corner.width() > 60 || corner.height() > 60))
        __builtin_trap();
    return 0;
}
