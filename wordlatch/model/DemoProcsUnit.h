// The crossword puzzle record, its XWD file and the word and numbering rules.
// Standard C++ only: no window system here.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace wl {

inline constexpr int MaxGridSize = 23;
inline constexpr int MaxWords = 179;
inline constexpr int MaxClueLength = 60;

// Cell values of SolutionGrid (PlayerGrid holds 0 or a letter).
inline constexpr std::uint8_t BlackSquare = 219;
inline constexpr std::uint8_t NoLetter = 0;
inline constexpr std::uint8_t UnknownLetter = 32;

// PuzzleMode values.
inline constexpr std::uint8_t ModeNone = 0;
inline constexpr std::uint8_t ModeSolve = 1;
inline constexpr std::uint8_t ModeSquares = 2;
inline constexpr std::uint8_t ModeLetters = 4;

// A length-prefixed string: byte 0 the length, bytes 1..60 the characters.
// Bytes beyond the length keep whatever they held.
struct TXwdString {
    std::uint8_t Bytes[MaxClueLength + 1];

    // The text, reading at most 60 characters even when the length byte says more.
    std::string Text() const;
    // Stores up to 60 characters; bytes beyond the new length are left as they are.
    void SetText(std::string_view text);
    void Clear() { Bytes[0] = 0; }
};

struct TClueIndexPair {
    std::uint16_t AcrossClue;
    std::uint16_t DownClue;
};

// The puzzle record and the exact XWD file layout: 14156 bytes, little-endian,
// no padding. Per-square arrays are stored column by column, so square (x, y)
// (both from 1) is element [x - 1][y - 1].
struct TXwdPuzzle {
    std::int16_t GridSize;
    std::uint8_t SolutionGrid[MaxGridSize][MaxGridSize];
    std::uint8_t PlayerGrid[MaxGridSize][MaxGridSize];
    TClueIndexPair ClueIndex[MaxGridSize][MaxGridSize];
    TXwdString Clues[MaxWords]; // entry n (1..179) is Clues[n - 1]
    TXwdString Byline;

    // 1 <= x, y <= 23
    std::uint8_t& Solution(int x, int y) { return SolutionGrid[x - 1][y - 1]; }
    std::uint8_t Solution(int x, int y) const { return SolutionGrid[x - 1][y - 1]; }
    std::uint8_t& Player(int x, int y) { return PlayerGrid[x - 1][y - 1]; }
    std::uint8_t Player(int x, int y) const { return PlayerGrid[x - 1][y - 1]; }
    TClueIndexPair& Index(int x, int y) { return ClueIndex[x - 1][y - 1]; }
    const TClueIndexPair& Index(int x, int y) const { return ClueIndex[x - 1][y - 1]; }
    // 1 <= n <= 179
    TXwdString& Clue(int n) { return Clues[n - 1]; }
    const TXwdString& Clue(int n) const { return Clues[n - 1]; }

    // True for squares inside the grid that are black.
    bool IsBlack(int x, int y) const;
    // The grid side clamped to 0..23, safe for loops over any loaded bytes.
    int Side() const;
};

inline constexpr std::size_t XwdFileSize = 14156;
static_assert(std::endian::native == std::endian::little, "the XWD layout is little-endian");
static_assert(offsetof(TXwdPuzzle, GridSize) == 0);
static_assert(offsetof(TXwdPuzzle, SolutionGrid) == 2);
static_assert(offsetof(TXwdPuzzle, PlayerGrid) == 531);
static_assert(offsetof(TXwdPuzzle, ClueIndex) == 1060);
static_assert(offsetof(TXwdPuzzle, Clues) == 3176);
static_assert(offsetof(TXwdPuzzle, Byline) == 14095);
static_assert(sizeof(TXwdPuzzle) == XwdFileSize);

// An input/output failure; what() is the system's error text.
class EInOutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The record held in the first 14156 bytes; raises EInOutError for fewer
// bytes or a grid side outside 1..23. Later bytes are ignored.
TXwdPuzzle ParsePuzzle(std::span<const std::uint8_t> bytes);

// ---- Word rules (read SolutionGrid and GridSize only) ----

bool StartsAcross(const TXwdPuzzle& p, int x, int y);
bool StartsDown(const TXwdPuzzle& p, int x, int y);
// The letters of the word from (x, y) on; direction 'a' is across, anything else
// down. "?" for UnknownLetter, the byte 0 for NoLetter; at most 60 characters.
std::string GetWord(const TXwdPuzzle& p, int x, int y, char direction);
// Calls visit(x, y) for the squares of the word from (x, y) to its end: the
// square before a black one or the grid's edge. Direction as for GetWord; the
// first square is not tested for colour, squares outside the grid are never visited.
template <class Visit>
void ForEachWordSquare(const TXwdPuzzle& p, int x, int y, char direction, Visit&& visit) {
    const int n = p.Side();
    const int dx = direction == 'a' ? 1 : 0;
    const int dy = 1 - dx;
    while (x >= 1 && y >= 1 && x <= n && y <= n) {
        visit(x, y);
        x += dx;
        y += dy;
        if (p.IsBlack(x, y)) break;
    }
}
// No square of the grid holds NoLetter.
bool GridComplete(const TXwdPuzzle& p);

// One square that starts a word, as met by the numbering walk: rows top to
// bottom, squares left to right, the across word counted before the down word.
struct TNumberedSquare {
    int X;
    int Y;
    int SquareNumber;
    int AcrossWord; // word (clue entry) number of the across word here, 0 if none
    int DownWord;   // the same for the down word
};

// The numbering walk over the whole grid. Numbers every word, also beyond
// MaxWords; callers that store clues stop at the limit.
std::vector<TNumberedSquare> NumberGrid(const TXwdPuzzle& p);

// ---- The data module: the one puzzle record and the globals beside it ----

class TDemProcs {
public:
    TXwdPuzzle Puzzle{};
    std::string PuzzleFileName;
    bool PuzzleChanged = false;
    std::uint8_t PuzzleMode = ModeNone;
    int CellSize = 0;
    int SoundMode = 1;
    bool AllowChildClose = false;

    // An empty puzzle of side n; the caller saves it.
    void NewPuzzle(std::int16_t n);
    // Reads the first 14156 bytes of the file over the record. A short file, a
    // grid side outside 1..23 or any read failure raises EInOutError and leaves
    // the record as it was.
    void LoadPuzzle(const std::string& fileName);
    // Writes the record as the whole file through the save policy (the file is
    // the new record or the old one, never a mix); clears PuzzleChanged only on success.
    void SavePuzzle(const std::string& fileName);
    // Renames the puzzle file to the same name with the extension ".XW!";
    // refuses to replace an existing file of that name.
    void BackupPuzzle(const std::string& fileName);
};

// The name BackupPuzzle renames to.
std::string BackupName(const std::string& fileName);

} // namespace wl
