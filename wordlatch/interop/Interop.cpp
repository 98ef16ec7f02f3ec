#include "Interop.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>

namespace wl {

std::optional<TExchangeFormat> FormatOfFile(std::string_view fileName) {
    std::string ext = std::filesystem::path(fileName).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == ".xwd") return TExchangeFormat::Xwd;
    if (ext == ".puz") return TExchangeFormat::Puz;
    if (ext == ".ipuz") return TExchangeFormat::Ipuz;
    return std::nullopt;
}

std::string OpenQuestion(const TReadResult& result) {
    std::string text = "Not everything in this file fits a Wordlatch puzzle:\n";
    for (const auto& warning : result.Warnings) text += "\n" + warning;
    return text + "\n\nOpen it anyway?";
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
