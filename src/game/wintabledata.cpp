// SPDX-License-Identifier: MIT
// The table of winning positions as the build worked it out, carried in the
// program's read-only data: its pages are read in only when a hint is first
// asked for.
#include "hints.h"

extern "C" const unsigned char peg_win_table_begin[];
extern "C" const unsigned char peg_win_table_end[];

asm(".section .rodata\n"
    ".balign 16\n"
    "peg_win_table_begin:\n"
    ".incbin \"" PEG_WIN_TABLE_FILE "\"\n"
    "peg_win_table_end:\n"
    ".previous\n");

namespace peg {

std::span<const unsigned char> BuiltInWinTableBytes()
{
    return {peg_win_table_begin, peg_win_table_end};
}

} // namespace peg
