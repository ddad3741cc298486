// SPDX-License-Identifier: MIT
// Any bytes, read with any sequence of the three reads: every read either
// yields an item or throws ItemError, and the reader never goes backwards.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "itemreader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t plan = data[0];  // which read comes when
    peg::ItemReader reader(std::string(reinterpret_cast<const char *>(data + 1), size - 1));
    int lastLine = reader.line();
    for (int i = 0; i < 64; ++i) {
        try {
            switch ((plan >> (2 * (i % 4))) & 3) {
            case 0:
                reader.ReadInt16();
                break;
            case 1:
                reader.ReadValue().AsText();
                break;
            default:
                reader.ReadText();
                break;
            }
        } catch (const peg::ItemError &e) {
            if (e.line < 1 || e.item < 1)
                std::abort();
            if (e.kind == peg::ItemError::Kind::EndOfFile)
                break;
        }
        if (reader.line() < lastLine)
            std::abort();
        lastLine = reader.line();
    }
    return 0;
}
