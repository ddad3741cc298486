// SPDX-License-Identifier: MIT
#include "cursor.h"

#include <gtest/gtest.h>

using namespace peg;

namespace {

TEST(Cursor, TheCrossHasThirtyThreeHoles)
{
    int holes = 0;
    for (int c = 0; c <= 8; ++c)
        for (int r = 0; r <= 8; ++r)
            holes += IsHole(c, r);
    EXPECT_EQ(holes, 33);
    EXPECT_FALSE(IsHole(2, 2));
    EXPECT_TRUE(IsHole(4, 1));
}

TEST(Cursor, StepsToTheNextHoleOverTheCornersOrStays)
{
    const struct {
        CellPos from;
        int dx, dy;
        CellPos to;
    } cases[] = {
        {{4, 4}, 0, -1, {4, 3}},  // plain steps from the centre
        {{4, 4}, 1, 0, {5, 4}},
        {{4, 1}, 0, -1, {4, 1}},  // the top edge: nowhere to go
        {{3, 1}, -1, 0, {3, 1}},  // a corner block to the left, and the grid's edge beyond
        {{5, 2}, 1, 0, {5, 2}},
        {{1, 3}, 0, -1, {1, 3}},  // up from the left arm: only corner above
        {{2, 3}, 0, -1, {2, 3}},
        {{2, 5}, 0, 1, {2, 5}},
        {{7, 5}, 1, 0, {7, 5}},   // the right edge
        {{4, 7}, 0, 1, {4, 7}},
        {{3, 3}, -1, 0, {2, 3}},
        {{1, 4}, -1, 0, {1, 4}},
        {{5, 7}, 1, 0, {5, 7}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.col << "," << c.from.row << " by " << c.dx << "," << c.dy);
        const CellPos to = CursorStep(c.from, c.dx, c.dy);
        EXPECT_EQ(to.col, c.to.col);
        EXPECT_EQ(to.row, c.to.row);
    }
}

TEST(Cursor, NeverLeavesTheCrossWhateverTheKeys)
{
    // Every hole, every direction, many times over: the cursor stays on a hole.
    for (int c = 1; c <= 7; ++c)
        for (int r = 1; r <= 7; ++r) {
            if (!IsHole(c, r))
                continue;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                CellPos at{c, r};
                for (int i = 0; i < 8; ++i)
                    at = CursorStep(at, dx, dy);
                EXPECT_TRUE(IsHole(at.col, at.row));
                // Eight steps one way reach the last hole of that line.
                EXPECT_EQ(CursorStep(at, dx, dy), at);
            }
        }
}

} // namespace
