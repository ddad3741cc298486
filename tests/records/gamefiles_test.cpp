// SPDX-License-Identifier: MIT
// Reading and writing the game's files under real trouble: a full disk, a
// file-size limit, folders and files the user may not write, odd names.
#include "gamefiles.h"
#include "words.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <grp.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

using namespace peg;

namespace {

const std::string OLD = "Plik opisujacy ruchy gracza. Ilosc pozostalych:\r\n 30 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n";
const std::string NEW = OLD + std::string(400, ' ');  // more than the old file, so the disk must grow

bool IsRoot() { return ::geteuid() == 0; }

void Put(const std::string &path, const std::string &bytes)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(f) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::string Slurp(const std::string &path)
{
    std::string out;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return out;  // a pipe would block
    if (FILE *f = std::fopen(path.c_str(), "rb")) {
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;)
            out.append(buf, n);
        std::fclose(f);
    }
    return out;
}

std::set<std::string> Entries(const std::string &dir)
{
    std::set<std::string> names;
    if (DIR *d = ::opendir(dir.c_str())) {
        while (const dirent *e = ::readdir(d))
            if (std::string(e->d_name) != "." && std::string(e->d_name) != "..")
                names.insert(e->d_name);
        ::closedir(d);
    }
    return names;
}

// A scratch folder that anyone may enter; mounts inside it are undone.
struct Scratch {
    std::string path;
    std::vector<std::string> mounts;
    Scratch()
    {
        char tmpl[] = "/tmp/kelb-test-XXXXXX";
        path = ::mkdtemp(tmpl);
        ::chmod(path.c_str(), 0777);
    }
    ~Scratch()
    {
        for (const std::string &m : mounts)
            ::umount2(m.c_str(), MNT_DETACH);
        ::nftw(path.c_str(), [](const char *p, const struct stat *, int, FTW *) { return ::remove(p); }, 16,
               FTW_DEPTH | FTW_PHYS);
    }
    std::string operator/(const std::string &name) const { return path + "/" + name; }
    // A tmpfs of a few pages, so that a disk can really be full or read-only.
    bool mountTiny(const std::string &name)
    {
        ::mkdir((*this / name).c_str(), 0777);
        if (::mount("tmpfs", (*this / name).c_str(), "tmpfs", 0, "size=16k,mode=0777") != 0)
            return false;
        mounts.push_back(*this / name);
        return true;
    }
};

struct Child {
    bool asNobody = false;        // an ordinary user: permissions hold for it
    rlim_t fileSizeLimit = RLIM_INFINITY;
};

// Runs body in a child process in folder dir and returns what it returned.
std::string InChild(const std::string &dir, Child how, const std::function<std::string()> &body)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return "pipe failed";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        std::string result;
        if (::chdir(dir.c_str()) != 0) {
            result = "chdir failed";
        } else {
            ::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead of killing
            const rlimit limit{how.fileSizeLimit, how.fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            if (how.asNobody && IsRoot() && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
                result = "could not become nobody";
            else
                result = body();
        }
        if (::write(pipeFds[1], result.data(), result.size()) < 0)
            ::_exit(2);
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string out;
    char buf[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], buf, sizeof buf)) > 0;)
        out.append(buf, std::size_t(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return out;
}

std::string Save(const std::string &name, const std::string &bytes = NEW)
{
    const FileError e = WriteWholeFile(name, bytes);
    return e ? WriteFailureText(e) : "saved";
}

struct WriteCase {
    const char *what;
    // Prepares the scratch folder; returns the folder to save in (relative
    // to the scratch folder), or "" to skip with the reason in skipWhy.
    std::function<std::string(Scratch &, std::string &skipWhy)> prepare;
    const char *name;  // as typed in the save panel
    Child how;
    const char *expected;  // "saved", or a piece of the message
    // Replaced in place: the kernel may stamp the file's time even when the
    // room for the new content is refused, so only its bytes can be checked.
    bool inPlace = false;
};

std::string NeedRootForMount(Scratch &s, const char *folder, std::string &skipWhy)
{
    if (!IsRoot() || !s.mountTiny(folder)) {
        skipWhy = "needs root to mount a tiny tmpfs";
        return "";
    }
    return folder;
}

// A file anyone may change, in a folder that takes no new file.
std::string WritableFileInReadOnlyFolder(Scratch &s, std::string &)
{
    ::mkdir((s / "ro").c_str(), 0777);
    Put(s / "ro/wynik.txt", OLD);
    ::chmod((s / "ro/wynik.txt").c_str(), 0666);
    ::chmod((s / "ro").c_str(), 0555);
    return "ro";
}

const WriteCase WRITE_CASES[] = {
    {"disk full: the old file stays whole",
     [](Scratch &s, std::string &skip) {
         const std::string d = NeedRootForMount(s, "disk", skip);
         if (!d.empty()) {
             Put(s / "disk/wynik.txt", OLD);
             Put(s / "disk/fill", std::string(64 << 10, 'x'));  // cut short where the disk ends
         }
         return d;
     },
     "wynik.txt", {}, "brak miejsca na dysku"},
    {"file-size limit: the old file stays whole",
     [](Scratch &s, std::string &) { Put(s / "wynik.txt", OLD); return std::string("."); },
     "wynik.txt", {false, 100}, "przekroczyłby dopuszczalny rozmiar"},
    {"file-size limit while replacing in place",
     WritableFileInReadOnlyFolder,
     "wynik.txt", {true, 100}, "przekroczyłby dopuszczalny rozmiar", true},
    {"folder takes no new file, the file is writable: replaced in place",
     WritableFileInReadOnlyFolder,
     "wynik.txt", {true}, "saved"},
    {"folder takes no new file",
     [](Scratch &s, std::string &) {
         ::mkdir((s / "ro").c_str(), 0555);
         return std::string("ro");
     },
     "nowy.txt", {true}, "nie można zapisywać w: folder gry (brak uprawnień)"},
    {"a folder that does not exist", [](Scratch &, std::string &) { return std::string("."); },
     "brak/x.txt", {}, "folder „brak” nie istnieje"},
    {"the working folder was deleted",
     [](Scratch &s, std::string &) {
         ::mkdir((s / "gone").c_str(), 0777);
         return std::string("gone");
     },
     "__delete_cwd__", {}, "folder gry już nie istnieje"},
    {"a name too long", [](Scratch &, std::string &) { return std::string("."); },
     nullptr, {}, "nazwa jest za długa"},
    {"the name is a folder",
     [](Scratch &s, std::string &) {
         ::mkdir((s / "d.txt").c_str(), 0777);
         return std::string(".");
     },
     "d.txt", {}, "to jest folder"},
    {"a read-only file, even for root",
     [](Scratch &s, std::string &) {
         Put(s / "wynik.txt", OLD);
         ::chmod((s / "wynik.txt").c_str(), 0444);
         return std::string(".");
     },
     "wynik.txt", {}, "plik jest tylko do odczytu"},
    {"a read-only disk",
     [](Scratch &s, std::string &skip) {
         const std::string d = NeedRootForMount(s, "rodisk", skip);
         if (!d.empty()) {
             Put(s / "rodisk/wynik.txt", OLD);
             ::mount(nullptr, (s / "rodisk").c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
         }
         return d;
     },
     "wynik.txt", {}, "dysk jest tylko do odczytu"},
    {"a pipe",
     [](Scratch &s, std::string &) {
         ::mkfifo((s / "p.txt").c_str(), 0666);
         return std::string(".");
     },
     "p.txt", {}, "to nie jest zwykły plik"},
    {"a new file", [](Scratch &, std::string &) { return std::string("."); }, "nowy.txt", {}, "saved"},
    {"over an old file", [](Scratch &s, std::string &) { Put(s / "wynik.txt", OLD); return std::string("."); },
     "wynik.txt", {}, "saved"},
};

class WriteFailure : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteFailure, SavesWhollyOrLeavesEverythingAsItWas)
{
    const WriteCase &c = GetParam();
    Scratch s;
    std::string skipWhy;
    const std::string folder = c.prepare(s, skipWhy);
    if (folder.empty())
        GTEST_SKIP() << skipWhy;
    const std::string dir = s / folder;
    const std::string name = c.name ? c.name : std::string(300, 'n') + ".txt";
    const bool deleteCwd = name == "__delete_cwd__";
    const std::string target = dir + "/" + name;
    const std::string before = Slurp(target);
    const std::set<std::string> entriesBefore = Entries(dir);
    // An old file that is only put back after a failed write would show a new time.
    const timespec longAgo[2] = {{1000000000, 0}, {1000000000, 0}};
    const bool stamped = ::utimensat(AT_FDCWD, target.c_str(), longAgo, 0) == 0;  // not on a read-only disk

    const std::string result = InChild(dir, c.how, [&] {
        if (deleteCwd && ::rmdir(dir.c_str()) != 0)
            return std::string("could not delete the folder");
        return Save(deleteCwd ? "wynik.txt" : name);
    });
    EXPECT_NE(result.find(c.expected), std::string::npos) << "got: " << result;
    if (deleteCwd)
        return;
    if (std::string(c.expected) == "saved") {
        EXPECT_EQ(Slurp(target), NEW);
    } else {
        EXPECT_EQ(Slurp(target), before) << "the old file must stay byte for byte";
        struct stat st {};
        if (stamped && !c.inPlace && ::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            EXPECT_EQ(st.st_mtime, 1000000000) << "the old file must not be touched";
        EXPECT_EQ(Entries(dir), entriesBefore) << "no stray or empty file may be left";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteFailure, ::testing::ValuesIn(WRITE_CASES),
                         [](const auto &info) {
                             std::string n = info.param.what;
                             for (char &ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return n;
                         });

TEST(WriteWholeFile, KeepsTheModeOfTheOldFileAndWritesThroughALink)
{
    Scratch s;
    Put(s / "stary.txt", OLD);
    ::chmod((s / "stary.txt").c_str(), 0640);
    ASSERT_EQ(::symlink("stary.txt", (s / "link.txt").c_str()), 0);
    EXPECT_EQ(InChild(s.path, {}, [] { return Save("link.txt"); }), "saved");
    struct stat st {};
    ASSERT_EQ(::lstat((s / "link.txt").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(Slurp(s / "stary.txt"), NEW);
    EXPECT_EQ(InChild(s.path, {}, [] { return Save("stary.txt", OLD); }), "saved");
    ASSERT_EQ(::stat((s / "stary.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(ReadWholeFile, RefusesWhatIsNotAGameFileWithoutWaiting)
{
    Scratch s;
    Put(s / "ok.txt", std::string(MAX_TEXT_FILE_BYTES, 'a'));
    Put(s / "big.txt", std::string(MAX_TEXT_FILE_BYTES + 1, 'a'));
    Put(s / "secret.txt", OLD);
    ::chmod((s / "secret.txt").c_str(), 0600);
    ::mkfifo((s / "pipe.txt").c_str(), 0666);  // nobody writes to it: a blocking open would hang
    ::mkdir((s / "folder.txt").c_str(), 0777);
    const struct {
        const char *name;
        Child how;
        const char *expected;
    } cases[] = {
        {"ok.txt", {}, "read 1048576"},
        {"big.txt", {}, "plik jest zbyt duży"},
        {"pipe.txt", {}, "to nie jest zwykły plik"},
        {"/dev/zero", {}, "to nie jest zwykły plik"},
        {"folder.txt", {}, "to jest folder, nie plik"},
        {"brak.txt", {}, "plik nie istnieje"},
        {"secret.txt", {true}, IsRoot() ? "brak uprawnień do odczytu" : "read"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string got = InChild(s.path, c.how, [&] {
            std::string content;
            const FileError e = ReadWholeFile(c.name, MAX_TEXT_FILE_BYTES, content);
            return e ? ReadFailureText(e) : "read " + std::to_string(content.size());
        });
        EXPECT_NE(got.find(c.expected), std::string::npos) << "got: " << got;
    }
}

TEST(GameFiles, WorkInAFolderWhoseNameIsNotUtf8)
{
    Scratch s;
    const std::string folder = s / "Gra \xb3\xb1ka";  // "Gra łąka" in ISO-8859-2
    ASSERT_EQ(::mkdir(folder.c_str(), 0777), 0);
    const std::string odd = "\xbfo\xb3w.txt";  // "żółw" less the ó, in ISO-8859-2
    Put(folder + "/" + odd, OLD);
    Put(folder + "/B.TXT", OLD);
    Put(folder + "/a.txt", OLD);
    Put(folder + "/.ukryty.txt", OLD);
    Put(folder + "/wyglad.cfg", OLD);
    ::mkdir((folder + "/folder.txt").c_str(), 0777);
    ::mkfifo((folder + "/pipe.txt").c_str(), 0666);
    const std::string got = InChild(folder, {}, [&] {
        std::vector<std::string> names = ListFiles(".txt");
        std::sort(names.begin(), names.end());
        std::string out;
        for (const std::string &n : names)
            out += n + "|";
        std::string content;
        if (ReadWholeFile(odd, MAX_TEXT_FILE_BYTES, content) || content != OLD)
            out += "read failed|";
        if (WriteWholeFile(odd, NEW))
            out += "write failed|";
        return out;
    });
    EXPECT_EQ(got, "B.TXT|a.txt|" + odd + "|");
    EXPECT_EQ(Slurp(folder + "/" + odd), NEW);
}

TEST(RemoveSaveLeftovers, TakesOnlyTheSavesOwnTemporariesOlderThanADay)
{
    Scratch s;
    const timespec twoDaysAgo[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 2 * SAVE_LEFTOVER_AGE_S, 0}};
    const auto age = [&](const std::string &name) { ::utimensat(AT_FDCWD, (s / name).c_str(), twoDaysAgo, AT_SYMLINK_NOFOLLOW); };
    for (const char *name : {".kelb-Ab3xYz", ".kelb-young1", ".kelb-abc", ".kelb-Ab3xY!", "wynik.txt"})
        Put(s / name, OLD);
    ::mkdir((s / ".kelb-folder").c_str(), 0777);
    ::symlink("wynik.txt", (s / ".kelb-link01").c_str());
    for (const char *name : {".kelb-Ab3xYz", ".kelb-abc", ".kelb-Ab3xY!", "wynik.txt", ".kelb-folder", ".kelb-link01"})
        age(name);
    InChild(s.path, {}, [] { RemoveSaveLeftovers(); return std::string(); });
    EXPECT_EQ(Entries(s.path), (std::set<std::string>{".kelb-young1", ".kelb-abc", ".kelb-Ab3xY!", "wynik.txt",
                                                       ".kelb-folder", ".kelb-link01"}));
}

TEST(FailureText, NamesTheFolderBoundedAndTheCause)
{
    const std::string longFolder(500, 'f');
    const std::string text = WriteFailureText(FileError{ENOENT, true, longFolder});
    EXPECT_LT(text.size(), 80u) << text;
    EXPECT_NE(text.find("nie istnieje"), std::string::npos);
    EXPECT_EQ(WriteFailureText(FileError{EDQUOT, false, {}}), "przekroczony przydział miejsca na dysku");
    EXPECT_EQ(ReadFailureText(FileError{ERR_TOO_LARGE, false, {}}), "plik jest zbyt duży");
}

} // namespace
