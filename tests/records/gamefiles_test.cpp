// SPDX-License-Identifier: MIT
// Reading and writing the game's files under real trouble: a full disk, a
// file-size limit, folders and files the user may not write, odd names.
#include "gamefiles.h"
#include "words.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>

using namespace peg;

namespace {

const std::string OLD = "Plik opisujacy ruchy gracza. Ilosc pozostalych:\r\n 30 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n";
const std::string NEW = OLD + std::string(400, ' ');  // more than the old file, so the disk must grow

// Empty for anything but a regular file: a pipe would block.
std::string Slurp(const std::string &path)
{
    std::error_code tooLong;
    if (!std::filesystem::is_regular_file(path, tooLong))
        return "";
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> Entries(const std::string &dir)
{
    std::set<std::string> names;
    std::error_code gone;
    for (const auto &e : std::filesystem::directory_iterator(dir, gone))
        names.insert(e.path().filename());
    return names;
}

// A scratch folder that anyone may enter, holding "old", an earlier save;
// a disk mounted at "disk" in it is undone.
struct Scratch {
    std::string path = [] { char t[] = "/tmp/kelb-test-XXXXXX"; return std::string(::mkdtemp(t)); }();
    Scratch() { ::chmod(path.c_str(), 0777); std::ofstream(*this / "old", std::ios::binary) << OLD; }
    ~Scratch() { sh("umount -l disk 2>/dev/null; chmod -R u+w . && cd / && rm -rf '" + path + "'"); }
    bool sh(const std::string &command) const { return std::system(("cd '" + path + "' && " + command).c_str()) == 0; }
    std::string operator/(const std::string &name) const { return path + "/" + name; }
};

// asNobody: as an ordinary user, for whom permissions hold.
struct Child { bool asNobody = false; rlim_t fileSizeLimit = RLIM_INFINITY; };

// Runs body in a child process in folder dir and returns what it returned.
std::string InChild(const std::string &dir, Child how, const std::function<std::string()> &body)
{
    char *shared = static_cast<char *>(::mmap(nullptr, 4096, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead of killing
        ::alarm(30);                 // a read that waits on a pipe fails rather than hangs
        const rlimit limit{how.fileSizeLimit, how.fileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        if (how.asNobody && ::geteuid() == 0 && (::setgroups(0, nullptr) || ::setgid(65534) || ::setuid(65534)))
            ::_exit(1);
        std::snprintf(shared, 4096, "%s", ::chdir(dir.c_str()) ? "chdir failed" : body().c_str());
        ::_exit(0);
    }
    ::waitpid(pid, nullptr, 0);
    const std::string out = shared;
    ::munmap(shared, 4096);
    return out;
}

// A file anyone may change, in a folder that takes no new file.
const char *const RO_FOLDER = "mkdir ro && cp old ro/wynik.txt && chmod 666 ro/wynik.txt && chmod 555 ro";
const std::string TINY_DISK = "mkdir disk && mount -t tmpfs -o size=16k,mode=0777 tmpfs disk && cp old disk/wynik.txt";

enum Op { READ, WRITE, WRITE_IN_PLACE };  // in place the kernel may stamp the time even when room is refused

TEST(GameFiles, RefuseWhatCannotBeDoneAndLeaveEverythingAsItWas)
{
    const std::string limit = std::to_string(MAX_TEXT_FILE_BYTES), over = std::to_string(MAX_TEXT_FILE_BYTES + 1);
    const struct {
        const char *what;
        std::string setup;   // shell commands in the scratch folder
        const char *folder;  // where the game runs
        std::string name;    // as typed in the save panel
        Child how;
        std::string expected;  // "saved", "read" and the size, or a piece of the message
        Op op = WRITE;
    } cases[] = {
        {"disk full", TINY_DISK + " && (head -c 65536 /dev/zero >disk/fill; true) 2>/dev/null", "disk", "wynik.txt", {}, "brak miejsca"},
        {"a read-only disk", TINY_DISK + " && mount -o remount,ro disk", "disk", "wynik.txt", {}, "dysk jest tylko do odczytu"},
        {"file-size limit", "cp old wynik.txt", ".", "wynik.txt", {false, 100}, "przekroczyłby dopuszczalny rozmiar"},
        {"file-size limit, in place", RO_FOLDER, "ro", "wynik.txt", {true, 100}, "przekroczyłby", WRITE_IN_PLACE},
        {"folder takes no new file", "mkdir -m 555 ro", "ro", "nowy.txt", {true}, "nie można zapisywać w: folder gry"},
        {"no such folder", "true", ".", "brak/x.txt", {}, "folder „brak” nie istnieje"},
        {"the game's folder deleted", "mkdir gone", "gone", "wynik.txt", {}, "folder gry już nie istnieje"},
        {"name too long", "true", ".", std::string(300, 'n') + ".txt", {}, "nazwa jest za długa"},
        {"a folder", "mkdir d.txt", ".", "d.txt", {}, "to jest folder"},
        {"a pipe", "mkfifo p.txt", ".", "p.txt", {}, "to nie jest zwykły plik"},
        {"a read-only file, even for root", "cp old wynik.txt && chmod 444 wynik.txt", ".", "wynik.txt", {}, "tylko do odczytu"},
        {"a name the game keeps for its own", "mkdir sub && cp old sub/.kelb-zapis-Ab3xYz", ".", "sub/.kelb-zapis-Ab3xYz", {}, "zastrzeżone"},
        {"a new file", "true", ".", "nowy.txt", {}, "saved"},
        {"over an old file", "cp old wynik.txt && chmod 640 wynik.txt", ".", "wynik.txt", {}, "saved"},
        {"in place, the folder taking no new file", RO_FOLDER, "ro", "wynik.txt", {true}, "saved"},
        {"through a link", "cp old stary.txt && ln -s stary.txt link.txt", ".", "link.txt", {}, "saved"},
        {"read as large as allowed", "head -c " + limit + " /dev/zero >f.txt", ".", "f.txt", {}, "read " + limit, READ},
        {"read too large", "head -c " + over + " /dev/zero >f.txt", ".", "f.txt", {}, "plik jest zbyt duży", READ},
        // Nobody writes to it: a blocking open would hang.
        {"read a pipe", "mkfifo p.txt", ".", "p.txt", {}, "to nie jest zwykły plik", READ},
        {"read a folder", "mkdir d.txt", ".", "d.txt", {}, "to jest folder, nie plik", READ},
        {"read no such file", "true", ".", "brak.txt", {}, "plik nie istnieje", READ},
        {"read another's file", "chmod 600 old", ".", "old", {true}, ::geteuid() ? "read" : "brak uprawnień do odczytu", READ},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Scratch s;
        if (!s.sh(c.setup)) {
            EXPECT_NE(::geteuid(), 0u) << "setup failed";  // only mounting a disk needs root
            continue;
        }
        const std::string dir = s / c.folder, target = dir + "/" + c.name;
        const std::string before = Slurp(target);
        const std::set<std::string> entriesBefore = Entries(dir);
        struct stat was {}, now {};
        ::lstat(target.c_str(), &was);
        // An old file that is only put back after a failed write would show a new time.
        const timespec longAgo[2] = {{1000000000, 0}, {1000000000, 0}};
        const bool stamped = ::utimensat(AT_FDCWD, target.c_str(), longAgo, 0) == 0;  // not on a read-only disk

        const std::string result = InChild(dir, c.how, [&] {
            if (std::string(c.folder) == "gone")
                ::rmdir(dir.c_str());
            std::string content;
            if (c.op == READ) {
                const FileError e = ReadWholeFile(c.name, MAX_TEXT_FILE_BYTES, content);
                return e ? ReadFailureText(e) : "read " + std::to_string(content.size());
            }
            const FileError e = WriteWholeFile(c.name, NEW);
            return e ? WriteFailureText(e) : "saved";
        });
        EXPECT_NE(result.find(c.expected), std::string::npos) << "got: " << result;
        ::lstat(target.c_str(), &now);
        if (c.expected == "saved") {
            EXPECT_EQ(Slurp(target), NEW);
            EXPECT_TRUE(!was.st_mode || now.st_mode == was.st_mode) << "a link stays a link, a file keeps its mode";
        } else {
            EXPECT_EQ(Slurp(target), before) << "the old file must stay byte for byte";
            EXPECT_TRUE(!stamped || c.op == WRITE_IN_PLACE || !S_ISREG(now.st_mode) || now.st_mtime == 1000000000)
                << "the old file must not be touched";
            EXPECT_EQ(Entries(dir), entriesBefore) << "no stray or empty file may be left";
        }
    }
}

TEST(GameFiles, AreListedReadAndWrittenInAFolderWhoseNameIsNotUtf8)
{
    Scratch s;
    // "Gra łąka" and "żółw" less the ó, in ISO-8859-2, as an old archive gives them.
    const std::string folder = "Gra \xb3\xb1ka", odd = "\xbfo\xb3w.txt";
    // As nobody, who may not read x.txt.
    ASSERT_TRUE(s.sh("mkdir -m 777 '" + folder + "' && cd '" + folder + "' && for f in '" + odd + "' B.TXT a.txt .ukryty.txt"
                     " wyglad.cfg x.txt; do cp ../old \"$f\" && chmod 666 \"$f\"; done && chmod 0 x.txt && mkdir folder.txt && mkfifo pipe.txt"));
    const std::string got = InChild(s / folder, {true}, [&] {
        const std::vector<std::string> names = ListFiles(".txt");
        std::string out, content;
        for (const std::string &n : std::set<std::string>(names.begin(), names.end()))
            out += n + "|";
        if (ReadWholeFile(odd, MAX_TEXT_FILE_BYTES, content) || content != OLD || WriteWholeFile(odd, NEW))
            out += "read or write failed";
        return out;
    });
    EXPECT_EQ(got, "B.TXT|a.txt|" + odd + "|");
    EXPECT_EQ(Slurp(s / folder + "/" + odd), NEW);
}

TEST(RemoveSaveLeftovers, TakesOnlyTheSavesOwnTemporariesOlderThanADay)
{
    Scratch s;
    // A save killed mid-write by a file-size limit leaves the game's own.
    InChild(s.path, {false, 100}, [] { ::signal(SIGXFSZ, SIG_DFL); WriteWholeFile("wynik.txt", NEW); return ""; });
    const std::string own = *Entries(s.path).begin();  // sorts before "old"
    ASSERT_TRUE(own.starts_with(".kelb-zapis-")) << "no save was cut short";
    // All but one more two days old: names like the leftover's that are a
    // player's (.kelb-wyniki, as older versions saved it), a second link to
    // a file, another's file, a link, a folder.
    ASSERT_TRUE(s.sh("for f in .kelb-zapis-young1 .kelb-zapis-abc '.kelb-zapis-Ab3xY!' .kelb-wyniki .kelb-zapis-others; "
                     "do cp old \"$f\"; done && ln old .kelb-zapis-2links && "
                     "(chown 65534 .kelb-zapis-others 2>/dev/null || rm .kelb-zapis-others) && mkdir .kelb-zapis-folder && "
                     "ln -s old .kelb-zapis-link01 && touch -h -d '2 days ago' old .kelb-zapis-* .kelb-wyniki && "
                     "touch .kelb-zapis-young1"));
    std::set<std::string> kept = Entries(s.path);
    kept.erase(own);
    InChild(s.path, {}, [] { RemoveSaveLeftovers(); return std::string(); });
    EXPECT_EQ(Entries(s.path), kept);
}

} // namespace
