#include "Interop.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wl {

std::optional<TExchangeFormat> FormatOfFile(std::string_view fileName) {
    std::string ext = std::filesystem::path(fileName).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == ".xwd") return TExchangeFormat::Xwd;
    if (ext == ".puz") return TExchangeFormat::Puz;
    if (ext == ".ipuz") return TExchangeFormat::Ipuz;
    return std::nullopt;
}

std::vector<std::string> TMisfits::All() const {
    std::vector<std::string> all = Changes;
    all.insert(all.end(), Notices.begin(), Notices.end());
    return all;
}

TMisfits& TMisfits::operator+=(const TMisfits& more) {
    Changes.insert(Changes.end(), more.Changes.begin(), more.Changes.end());
    Notices.insert(Notices.end(), more.Notices.begin(), more.Notices.end());
    return *this;
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file) {
    const auto failed = [](int error) {
        return EExchangeError(std::string("The file cannot be read: ") + std::strerror(error) + ".");
    };
    const struct TDescriptor {
        int Fd;
        ~TDescriptor() {
            if (Fd >= 0) ::close(Fd);
        }
    } in{::open(file.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat info {};
    if (in.Fd < 0 || ::fstat(in.Fd, &info) != 0) throw failed(errno);
    if (S_ISDIR(info.st_mode)) throw EExchangeError("This is a folder, not a puzzle file.");
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(in.Fd, buffer, sizeof buffer);
        if (n == 0) return bytes;
        if (n > 0) bytes.insert(bytes.end(), buffer, buffer + n);
        else if (errno != EINTR) throw failed(errno);
    }
}

TReadResult ReadXwd(std::span<const std::uint8_t> bytes) {
    TReadResult r;
    try {
        r.Puzzle = ParsePuzzle(bytes);
    } catch (const EInOutError&) {
        r.Puzzle = {};
        r.Error = "Puzzle not in XWD format or is corrupt.";
    }
    return r;
}

std::string WriteXwd(const TXwdPuzzle& puzzle) {
    std::string bytes(XwdFileSize, '\0');
    std::memcpy(bytes.data(), &puzzle, XwdFileSize);
    return bytes;
}

TReadResult ReadExchange(TExchangeFormat format, std::span<const std::uint8_t> bytes,
                         const TReadOptions& options) {
    switch (format) {
    case TExchangeFormat::Puz: return ReadPuz(bytes, options);
    case TExchangeFormat::Ipuz: return ReadIpuz(bytes);
    case TExchangeFormat::Xwd: break;
    }
    return ReadXwd(bytes);
}

std::string WriteExchange(TExchangeFormat format, const TXwdPuzzle& puzzle, std::string_view title) {
    switch (format) {
    case TExchangeFormat::Puz: return WritePuz(puzzle, title);
    case TExchangeFormat::Ipuz: return WriteIpuz(puzzle, title);
    case TExchangeFormat::Xwd: break;
    }
    return WriteXwd(puzzle);
}

} // namespace wl
