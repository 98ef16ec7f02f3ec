#include "SafeSave.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace puzzles {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(int code) {
    throw ESaveError(code, std::generic_category().message(code));
}

// Closes the descriptor when the scope ends, whatever path leaves it.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now and reports the error close() met (0 when none).
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Writes all of bytes at the descriptor's position; 0 or the errno that stopped it.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

int ReadAll(int fd, std::string& bytes) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) return 0;
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

// The file a path finally names: symbolic links followed, also to a target
// that does not exist yet, so the link itself is never replaced.
fs::path RealFile(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
        const fs::path link = fs::read_symlink(path, ec);
        if (ec) Fail(ec.value());
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    Fail(ELOOP);
}

struct FileFacts {
    bool exists = false;
    struct stat st {};
};

FileFacts Facts(const fs::path& file) {
    FileFacts facts;
    if (::stat(file.c_str(), &facts.st) == 0) {
        facts.exists = true;
    } else if (errno != ENOENT) {
        Fail(errno);
    }
    // No write bit at all: the user marked the file read-only, which holds
    // also for a program whose rights could override it.
    if (facts.exists && (facts.st.st_mode & 0222) == 0) Fail(EACCES);
    return facts;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    // The rename is done; a folder that cannot be synced changes nothing the user sees.
    ::fsync(fd);
    ::close(fd);
}

// Rewrites the file through its own descriptor, keeping its inode (hard links,
// owner, mode); on failure the old bytes go back.
void WriteInPlace(const fs::path& file, std::string_view bytes) {
    Fd fd(::open(file.c_str(), O_RDWR));
    if (fd.get() < 0) Fail(errno);
    std::string old;
    if (const int err = ReadAll(fd.get(), old)) Fail(err);
    const auto rewrite = [&](std::string_view content) {
        if (::lseek(fd.get(), 0, SEEK_SET) < 0) return errno;
        if (const int err = WriteAll(fd.get(), content)) return err;
        if (::ftruncate(fd.get(), static_cast<off_t>(content.size())) != 0) return errno;
        return ::fsync(fd.get()) == 0 ? 0 : errno;
    };
    if (const int err = rewrite(bytes)) {
        rewrite(old);
        Fail(err);
    }
    if (const int err = fd.Close()) Fail(err);
}

// Writes bytes into a new temporary file beside file and renames it over file.
// Returns the error that kept a temporary file from being made in the folder
// (nothing changed then), 0 when the file was replaced.
int ReplaceThroughTemporary(const fs::path& file, const FileFacts& facts, std::string_view bytes) {
    // A hidden name of the file's own plus six random characters, made exclusively.
    std::string name = ".";
    name += file.filename().string();
    name += ".XXXXXX";
    std::string pattern = (file.parent_path() / name).string();
    Fd fd(::mkstemp(pattern.data()));
    if (fd.get() < 0) return errno;
    const std::string temp = pattern;
    const auto fail = [&](int err) {
        ::unlink(temp.c_str());
        Fail(err);
    };
    if (facts.exists) {
        // Owner and group where the process may set them; the mode always.
        if (::fchown(fd.get(), facts.st.st_uid, facts.st.st_gid) != 0)
            (void)!::fchown(fd.get(), static_cast<uid_t>(-1), facts.st.st_gid);
        if (::fchmod(fd.get(), facts.st.st_mode & 07777) != 0) fail(errno);
    } else if (::fchmod(fd.get(), NewFileMode()) != 0) {
        fail(errno);
    }
    if (const int err = WriteAll(fd.get(), bytes)) fail(err);
    if (::fsync(fd.get()) != 0) fail(errno);
    if (const int err = fd.Close()) fail(err);
    if (::rename(temp.c_str(), file.c_str()) != 0) fail(errno);
    SyncFolder(file.parent_path());
    return 0;
}

} // namespace

void WriteWholeFile(const fs::path& target, std::string_view bytes) {
    const fs::path file = RealFile(target);
    const FileFacts facts = Facts(file);
    // A rename would split hard links: such a file is rewritten where it is.
    if (facts.exists && facts.st.st_nlink > 1) return WriteInPlace(file, bytes);
    const int folderError = ReplaceThroughTemporary(file, facts, bytes);
    if (folderError == 0) return;
    if (!facts.exists) Fail(folderError);
    WriteInPlace(file, bytes);
}

void AppendToFile(const fs::path& target, std::string_view record, std::string_view lineBreak) {
    const fs::path file = RealFile(target);
    const FileFacts facts = Facts(file);
    Fd fd(::open(file.c_str(), O_RDWR | O_APPEND | O_CREAT, 0666));
    if (fd.get() < 0) Fail(errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) Fail(errno);
    const off_t oldSize = st.st_size;
    std::string bytes;
    char last = '\n';
    if (oldSize > 0 && ::pread(fd.get(), &last, 1, oldSize - 1) != 1) Fail(errno ? errno : EIO);
    if (last != '\n' && last != '\r') bytes = lineBreak;
    bytes += record;
    int err = WriteAll(fd.get(), bytes);
    if (!err && ::fsync(fd.get()) != 0) err = errno;
    if (err) {
        // Nothing half-written stays: the file goes back to its old length.
        if (!facts.exists) {
            ::unlink(file.c_str());
        } else if (::ftruncate(fd.get(), oldSize) == 0) {
            ::fsync(fd.get());
        }
        Fail(err);
    }
    if (const int closeError = fd.Close()) Fail(closeError);
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

} // namespace puzzles
