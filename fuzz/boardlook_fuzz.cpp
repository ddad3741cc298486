// Any bytes as a board-look file: the name and the five items are read or
// refused with BoardLookError; nothing else may escape.
#include <cstddef>
#include <cstdint>
#include <string>

#include <QCoreApplication>

#include "boardlook.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string content(reinterpret_cast<const char *>(data), size);
    try {
        peg::ReadBoardLookName(content);
        const peg::BoardLookFile look = peg::ParseBoardLook(content);
        (void)look.pusty.size();
    } catch (const peg::BoardLookError &) {
    }
    peg::DecodeFileText(content);
    return 0;
}
