#include "Interop.h"

#include "ReadFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

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
    const puzzles::FileRead read = puzzles::ReadWholeFile(file);
    if (read.Code == EISDIR) throw EExchangeError("This is a folder, not a puzzle file.");
    if (read.Status != puzzles::ReadStatus::Read)
        throw EExchangeError("The file cannot be read: " + read.Error + ".");
    return {read.Bytes.begin(), read.Bytes.end()};
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
