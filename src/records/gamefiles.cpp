// SPDX-License-Identifier: MIT
#include "gamefiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <ctime>
#include <memory>
#include <string_view>
#include <utility>


namespace peg {

namespace {

// Closes a descriptor on every path out.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() { if (fd_ >= 0) ::close(fd_); }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return fd_; }
    // Closing can report a failed write-back (NFS, a full disk): it counts.
    int close()
    {
        const int r = ::close(std::exchange(fd_, -1));
        return r == 0 || errno == EINTR ? 0 : errno;
    }

private:
    int fd_;
};

// mkostemp's pattern for the new file of a save, beside the old one.
constexpr std::size_t SAVE_TEMP_RANDOM = 6;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool EndsWithAnyCase(const std::string &name, const std::string &suffix)
{
    if (name.size() < suffix.size())
        return false;
    return std::equal(suffix.begin(), suffix.end(), name.end() - std::ptrdiff_t(suffix.size()),
                      [](char a, char b) { return Lower(a) == Lower(b); });
}

std::string FolderOf(const std::string &name)
{
    const auto slash = name.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : name.substr(0, slash);
}

FileError FileFault(int code) { return FileError{code, false, {}}; }

FileError FolderFault(int code, const std::string &folder) { return FileError{code, true, folder}; }

// 0, or the error number.
int WriteAll(int fd, const std::string &bytes, off_t offset)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, offset + off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        done += std::size_t(n);
    }
    return 0;
}

// With cut set, what lies past limit is left unread rather than refused.
int ReadAll(int fd, std::size_t limit, std::string &out, bool cut = false)
{
    out.clear();
    char buffer[65536];
    for (;;) {
        const std::size_t want = cut ? std::min(sizeof buffer, limit - out.size()) : sizeof buffer;
        if (want == 0)
            return 0;
        const ssize_t n = ::read(fd, buffer, want);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return 0;
        if (out.size() + std::size_t(n) > limit)
            return ERR_TOO_LARGE;
        out.append(buffer, std::size_t(n));
    }
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The folder takes no new file: write over the old content where it stands.
FileError ReplaceInPlace(const std::string &name, const std::string &bytes)
{
    Fd fd(::open(name.c_str(), O_RDWR | O_CLOEXEC));
    if (fd.get() < 0)
        return FileFault(errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return FileFault(errno);
    std::string old;
    if (const int e = ReadAll(fd.get(), MAX_PICTURE_FILE_BYTES, old))
        return FileFault(e);
    // Claim the room first: a full disk or a size limit shows here, before
    // a single old byte is touched.
    if (bytes.size() > old.size()) {
        // Linux's own call: glibc's fallback for file systems without it
        // would write over the old bytes to find out.
        const int e = ::fallocate(fd.get(), 0, 0, off_t(bytes.size())) == 0 ? 0 : errno;
        if (e != 0 && e != EOPNOTSUPP && e != ENOSYS) {
            struct stat now {};
            if (::fstat(fd.get(), &now) == 0 && now.st_size != st.st_size && ::ftruncate(fd.get(), st.st_size) != 0) {
                // nothing more can be undone
            }
            return FileFault(e);
        }
    }
    int e = WriteAll(fd.get(), bytes, 0);
    if (e == 0 && ::ftruncate(fd.get(), off_t(bytes.size())) != 0)
        e = errno;
    if (e == 0 && ::fsync(fd.get()) != 0 && errno != EINVAL)
        e = errno;
    if (e != 0) {
        if (WriteAll(fd.get(), old, 0) == 0 && ::ftruncate(fd.get(), off_t(old.size())) == 0)
            ::fsync(fd.get());
        return FileFault(e);
    }
    if (const int c = fd.close())
        return FileFault(c);
    return {};
}

} // namespace

std::vector<std::string> ListFiles(const std::string &suffix)
{
    std::vector<std::string> names;
    std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir("."), ::closedir);
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name.empty() || name[0] == '.' || !EndsWithAnyCase(name, suffix))
            continue;
        struct stat st {};
        if (::stat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(name.c_str(), R_OK) == 0)
            names.push_back(name);
    }
    return names;
}

namespace {

FileError ReadRegularFile(const std::string &name, std::size_t limit, std::string &content, bool cut)
{
    // Non-blocking, so that opening a pipe with no writer does not hang.
    Fd fd(::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0)
        return FileFault(errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return FileFault(errno);
    if (S_ISDIR(st.st_mode))
        return FileFault(EISDIR);
    if (!S_ISREG(st.st_mode))
        return FileFault(ERR_NOT_REGULAR);
    if (const int e = ReadAll(fd.get(), limit, content, cut))
        return FileFault(e);
    return {};
}

} // namespace

FileError ReadWholeFile(const std::string &name, std::size_t limit, std::string &content)
{
    return ReadRegularFile(name, limit, content, false);
}

FileError ReadFileStart(const std::string &name, std::size_t limit, std::string &content)
{
    return ReadRegularFile(name, limit, content, true);
}

bool IsSaveTempName(const std::string &name)
{
    return std::string_view(name).substr(name.find_last_of('/') + 1).starts_with(SAVE_TEMP_PREFIX);
}

FileError WriteWholeFile(const std::string &name, const std::string &bytes)
{
    if (name.empty())
        return FileFault(ERR_NO_NAME);
    // Such a file the game would take for one of its own cut short saves.
    if (IsSaveTempName(name))
        return FileFault(ERR_RESERVED_NAME);
    const std::string folder = FolderOf(name);
    struct stat st {};
    const bool exists = ::stat(name.c_str(), &st) == 0;
    if (!exists && errno != ENOENT)
        return errno == ENOTDIR || errno == EACCES ? FolderFault(errno, folder) : FileFault(errno);
    if (exists && S_ISDIR(st.st_mode))
        return FileFault(EISDIR);
    if (exists && !S_ISREG(st.st_mode))
        return FileFault(ERR_NOT_REGULAR);
    if (exists && !(st.st_mode & S_IWUSR))
        return FileFault(ERR_READ_ONLY);  // root could write it, but the mark says no
    struct stat link {};
    const bool symlink = ::lstat(name.c_str(), &link) == 0 && S_ISLNK(link.st_mode);
    if (exists && !symlink && ::access(name.c_str(), W_OK) != 0)
        return FileFault(errno);
    if (exists && symlink)
        return ReplaceInPlace(name, bytes);  // written through, so the link stays a link

    std::string temp = folder + "/" + SAVE_TEMP_PREFIX + std::string(SAVE_TEMP_RANDOM, 'X');
    Fd fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        const int e = errno;
        if (exists && (e == EACCES || e == EPERM))
            return ReplaceInPlace(name, bytes);
        return FolderFault(e, folder);
    }
    int e = WriteAll(fd.get(), bytes, 0);
    if (e == 0 && ::fchmod(fd.get(), exists ? st.st_mode & 07777 : NewFileMode()) != 0)
        e = errno;
    if (e == 0 && ::fsync(fd.get()) != 0 && errno != EINVAL)
        e = errno;
    if (e == 0)
        e = fd.close();
    if (e == 0 && ::rename(temp.c_str(), name.c_str()) != 0)
        e = errno;
    if (e != 0) {
        ::unlink(temp.c_str());
        return FileFault(e);
    }
    return {};
}

bool IsRegularFile(const std::string &name)
{
    struct stat st {};
    return ::stat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void RemoveSaveLeftovers()
{
    std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir("."), ::closedir);
    if (!dir)
        return;
    const time_t now = ::time(nullptr);
    const std::string prefix = SAVE_TEMP_PREFIX;
    while (const dirent *entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name.size() != prefix.size() + SAVE_TEMP_RANDOM || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        // mkostemp's letters and digits only; a link or a folder is not ours.
        if (!std::all_of(name.begin() + std::ptrdiff_t(prefix.size()), name.end(),
                         [](char c) { return std::isalnum(static_cast<unsigned char>(c)); }))
            continue;
        // A save's new file has this one name and the game's owner: a file
        // with another name too, or of another owner, is someone else's.
        struct stat st {};
        if (::lstat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1 && st.st_uid == ::geteuid() &&
            now - st.st_mtime > SAVE_LEFTOVER_AGE_S)
            ::unlink(name.c_str());
    }
}

} // namespace peg
