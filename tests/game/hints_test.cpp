// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <unordered_map>

#include "hints.h"

using namespace peg;

namespace {

const WinTable &Table() { return BuiltInWinTable(); }

Position After(Position p, const Move &m)
{
    return p ^ Bit(m.fromCol, m.fromRow) ^ Bit((m.fromCol + m.toCol) / 2, (m.fromRow + m.toRow) / 2) ^
           Bit(m.toCol, m.toRow);
}

const Position CENTRE_ONLY = Bit(4, 4);

} // namespace

// The table the program carries, as the build checked it.
TEST(WinTable, HoldsThePublishedCounts)
{
    std::size_t kept = 0, all = 0;
    for (int pegs = 1; pegs <= KEPT_PEGS; ++pegs) {
        EXPECT_EQ(Table().Count(pegs), PUBLISHED_WIN_COUNTS[pegs - 1]) << pegs << " pegs";
        EXPECT_EQ(Table().Count(HOLES - pegs), PUBLISHED_WIN_COUNTS[pegs - 1]) << HOLES - pegs << " pegs";
        kept += Table().Count(pegs);
    }
    for (int pegs = 0; pegs <= HOLES; ++pegs)
        all += Table().Count(pegs);
    EXPECT_EQ(kept, 839536u);
    EXPECT_EQ(all, 1679072u);
}

TEST(WinTable, RefusesADamagedForm)
{
    const Position two = Bit(4, 4) | Bit(5, 4), other = Bit(4, 4) | Bit(4, 5);  // in rising order
    auto encoded = [](std::vector<Position> one, std::vector<Position> twos) {
        WinLevels levels;
        levels[1] = std::move(one);
        levels[2] = std::move(twos);
        return EncodeWinTable(levels);
    };
    auto decodes = [](const std::string &bytes) {
        const std::vector<unsigned char> exact(bytes.begin(), bytes.end());  // no byte past the end to read
        return WinTable().Decode(exact);
    };
    const std::string good = encoded({CENTRE_ONLY}, {two, other});
    ASSERT_TRUE(decodes(good));
    std::string hugeCount = good, endless = good, tooLong = good.substr(0, 8 + 64);
    hugeCount.replace(8, 4, "\xff\xff\xff\xff");  // more positions than bytes: nothing may be set aside for them
    endless.back() = char(0x80);                    // a difference whose last byte never comes
    tooLong += std::string(10, char(0x80)) + '\x01';  // a difference of 71 bits
    const std::pair<const char *, std::string> damaged[] = {
        {"empty", ""},
        {"another magic", "PEGWIN2\n" + good.substr(8)},
        {"cut short", good.substr(0, good.size() - 1)},
        {"a byte more", good + '\0'},
        {"a position twice", encoded({CENTRE_ONLY}, {two, two})},
        {"out of order", encoded({CENTRE_ONLY}, {other, two})},
        {"wrong number of pegs", encoded({two}, {other})},
        {"off the cross", encoded({Position(1) << HOLES}, {})},
        {"count past the end", hugeCount},
        {"endless difference", endless},
        {"difference past 33 bits", tooLong},
    };
    for (const auto &[name, bytes] : damaged)
        EXPECT_FALSE(decodes(bytes)) << name;
}

// tools/wintable, which the build runs, stores a table only whole: it checks
// each write and the close, reads the file back, and refuses one that does
// not decode or lacks a published count, leaving nothing under the name or
// beside it.
TEST(WinTable, IsStoredByTheBuildOnlyWhole)
{
    const std::string good(BuiltInWinTableBytes().begin(), BuiltInWinTableBytes().end());
    WinLevels few;
    few[1] = {CENTRE_ONLY};
    const struct {
        const char *what;
        std::string from;
        rlim_t fileSizeLimit;
        std::string says;  // on the error output; empty: stored
    } cases[] = {
        {"the built one", good, RLIM_INFINITY, ""},
        {"cut short", good.substr(0, good.size() - 1), RLIM_INFINITY, "not a whole table"},
        {"decoding, but short of positions", EncodeWinTable(few), RLIM_INFINITY, "0 positions of 2 pegs, not the published 1"},
        {"a write refused by a file-size limit", good, good.size() / 2, strerror(EFBIG)},
        {"only the last byte refused, at the close", good, good.size() - 1, strerror(EFBIG)},
    };
    char name[] = "/tmp/kelb-wintable-XXXXXX";
    const std::filesystem::path dir = ::mkdtemp(name);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        std::ofstream(dir / "from", std::ios::binary) << c.from;
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead of killing
            const rlimit limit{c.fileSizeLimit, c.fileSizeLimit};
            const int err = ::open((dir / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (::chdir(dir.c_str()) == 0 && ::dup2(err, 2) == 2 && ::setrlimit(RLIMIT_FSIZE, &limit) == 0)
                ::execl(WINTABLE_TOOL, "wintable", "table", "from", nullptr);
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        std::ifstream err(dir / "err"), table(dir / "table", std::ios::binary);
        const std::string said{std::istreambuf_iterator<char>(err), {}};
        const std::string stored{std::istreambuf_iterator<char>(table), {}};
        EXPECT_TRUE(WIFEXITED(status)) << "killed";
        EXPECT_EQ(WEXITSTATUS(status) == 0, c.says.empty()) << said;
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
        EXPECT_EQ(std::filesystem::exists(dir / "table"), c.says.empty());  // stored whole or not at all
        EXPECT_TRUE(!c.says.empty() || stored == good) << "a table of " << stored.size() << " bytes";
        EXPECT_FALSE(std::filesystem::exists(dir / "table.part"));
        std::filesystem::remove(dir / "table");
    }
    std::filesystem::remove_all(dir);
}

// Against a plain search, with no table and no symmetry, over positions of
// games that follow a hint or play at random.
TEST(Hints, AgreeWithAPlainSearch)
{
    std::unordered_map<Position, bool> known;
    auto finishes = [&](auto &self, Position p) -> bool {
        if (p == CENTRE_ONLY)
            return true;
        if (auto it = known.find(p); it != known.end())
            return it->second;
        bool can = false;
        for (const Jump &j : Jumps())
            if (CanJump(p, j) && (can = self(self, Jumped(p, j))))
                break;
        return known[p] = can;
    };
    std::mt19937 random(20261208);
    int checked = 0, winnable = 0;
    for (int game = 0; game < 300; ++game) {
        Position p = START_POSITION;
        for (int made = 0; AnyMoveLeft(p); ++made) {
            ASSERT_LT(made, START_PEGS) << "more jumps than pegs";
            std::vector<Move> moves;
            for (const Jump &j : Jumps())
                if (CanJump(p, j))
                    moves.push_back(MoveOf(j));
            const std::vector<Move> winning = WinningMoves(p, Table());
            if (PegCount(p) <= 14) {
                std::vector<Move> searched;
                for (const Move &m : moves)
                    if (finishes(finishes, After(p, m)))
                        searched.push_back(m);
                ASSERT_EQ(winning, searched) << std::hex << p;
                ++checked;
                winnable += !winning.empty();
            }
            const bool hint = !winning.empty() && random() % 3 != 0;
            p = After(p, hint ? winning[random() % winning.size()] : moves[random() % moves.size()]);
        }
    }
    EXPECT_GT(winnable, 100);
    EXPECT_GT(checked - winnable, 100);
}
