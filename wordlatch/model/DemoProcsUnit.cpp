#include "DemoProcsUnit.h"

#include "SafeSave.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace wl {

namespace {

std::string SystemText(int err) {
    return std::generic_category().message(err);
}

[[noreturn]] void RaiseErrno() {
    throw EInOutError(SystemText(errno));
}

} // namespace

std::string TXwdString::Text() const {
    const auto n = std::min<std::size_t>(Bytes[0], MaxClueLength);
    return std::string(reinterpret_cast<const char*>(Bytes + 1), n);
}

void TXwdString::SetText(std::string_view text) {
    const auto n = std::min<std::size_t>(text.size(), MaxClueLength);
    Bytes[0] = static_cast<std::uint8_t>(n);
    std::memcpy(Bytes + 1, text.data(), n);
}

int TXwdPuzzle::Side() const {
    return std::clamp<int>(GridSize, 0, MaxGridSize);
}

bool TXwdPuzzle::IsBlack(int x, int y) const {
    const int n = Side();
    return x >= 1 && y >= 1 && x <= n && y <= n && Solution(x, y) == BlackSquare;
}

// ---- Word rules ----

namespace {

// A word starts at (x, y) in the direction (dx, dy) when the square is white,
// the square before it is black or the edge, and the square after it exists and
// is white. Squares outside the grid are never read.
bool StartsWord(const TXwdPuzzle& p, int x, int y, int dx, int dy) {
    const int n = p.Side();
    if (x < 1 || y < 1 || x > n || y > n || p.IsBlack(x, y)) return false;
    const int along = dx ? x : y;
    if (along >= n || p.IsBlack(x + dx, y + dy)) return false;
    return along == 1 || p.IsBlack(x - dx, y - dy);
}

} // namespace

bool StartsAcross(const TXwdPuzzle& p, int x, int y) {
    return StartsWord(p, x, y, 1, 0);
}

bool StartsDown(const TXwdPuzzle& p, int x, int y) {
    return StartsWord(p, x, y, 0, 1);
}

std::string GetWord(const TXwdPuzzle& p, int x, int y, char direction) {
    std::string word;
    ForEachWordSquare(p, x, y, direction, [&](int sx, int sy) {
        const std::uint8_t cell = p.Solution(sx, sy);
        if (word.size() < MaxClueLength)
            word.push_back(cell == UnknownLetter ? '?' : static_cast<char>(cell));
    });
    return word;
}

bool GridComplete(const TXwdPuzzle& p) {
    const int n = p.Side();
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            if (p.Solution(x, y) == NoLetter) return false;
    return true;
}

std::vector<TNumberedSquare> NumberGrid(const TXwdPuzzle& p) {
    const int n = p.Side();
    std::vector<TNumberedSquare> squares;
    int squareNumber = 0;
    int wordNumber = 0;
    for (int y = 1; y <= n; ++y) {
        for (int x = 1; x <= n; ++x) {
            const bool across = StartsAcross(p, x, y);
            const bool down = StartsDown(p, x, y);
            if (!across && !down) continue;
            TNumberedSquare s{x, y, ++squareNumber, 0, 0};
            if (across) s.AcrossWord = ++wordNumber;
            if (down) s.DownWord = ++wordNumber;
            squares.push_back(s);
        }
    }
    return squares;
}

// ---- File operations ----

void TDemProcs::NewPuzzle(std::int16_t n) {
    Puzzle.GridSize = n;
    std::memset(Puzzle.SolutionGrid, NoLetter, sizeof Puzzle.SolutionGrid);
    std::memset(Puzzle.PlayerGrid, 0, sizeof Puzzle.PlayerGrid);
    std::memset(Puzzle.ClueIndex, 0, sizeof Puzzle.ClueIndex);
    for (auto& clue : Puzzle.Clues) clue.Clear();
    Puzzle.Byline.SetText("Wordlatch Demo");
}

TXwdPuzzle ParsePuzzle(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < XwdFileSize) throw EInOutError("Read beyond end of file");
    TXwdPuzzle p;
    std::memcpy(&p, bytes.data(), XwdFileSize);
    if (p.GridSize < 1 || p.GridSize > MaxGridSize) throw EInOutError("Invalid grid size");
    return p;
}

void TDemProcs::LoadPuzzle(const std::string& fileName) {
    std::FILE* f = std::fopen(fileName.c_str(), "rb");
    if (!f) RaiseErrno();
    std::vector<std::uint8_t> bytes(XwdFileSize);
    bytes.resize(std::fread(bytes.data(), 1, XwdFileSize, f));
    const bool readError = std::ferror(f);
    const int err = errno;
    std::fclose(f);
    if (readError) throw EInOutError(SystemText(err));
    Puzzle = ParsePuzzle(bytes);
}

void TDemProcs::SavePuzzle(const std::string& fileName) {
    try {
        puzzles::WriteWholeFile(fileName, std::string_view(reinterpret_cast<const char*>(&Puzzle), XwdFileSize));
    } catch (const puzzles::ESaveError& e) {
        throw EInOutError(e.what());
    }
    PuzzleChanged = false;
}

std::string BackupName(const std::string& fileName) {
    const auto dot = fileName.find_last_of('.');
    const auto sep = fileName.find_last_of("/\\:");
    const bool hasExtension = dot != std::string::npos && (sep == std::string::npos || dot > sep);
    return (hasExtension ? fileName.substr(0, dot) : fileName) + ".XW!";
}

void TDemProcs::BackupPuzzle(const std::string& fileName) {
    namespace fs = std::filesystem;
    const std::string target = BackupName(fileName);
    std::error_code ec;
    // rename() would silently replace an earlier deleted puzzle of the same name.
    if (fs::exists(target, ec)) throw EInOutError(SystemText(EEXIST));
    fs::rename(fileName, target, ec);
    if (ec) throw EInOutError(ec.message());
    PuzzleChanged = false;
}

} // namespace wl
