// Reading and writing the exchange formats of other crossword programs: the
// binary .puz (versions 1.3 and 1.4 read, 1.3 written, 2.0 read) and the JSON
// .ipuz, mapped onto the one puzzle record. Reading never opens anything by
// itself: it returns the record together with what the window must tell the
// user first (what is lost, what needs a question, or why it cannot be opened).
// Texts in this interface (titles, warnings, errors) are UTF-8; the record
// keeps its own Windows-1252 bytes.
#pragma once

#include "DemoProcsUnit.h"

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace wl {

enum class TExchangeFormat { Xwd, Puz, Ipuz };

// The format named by a file's extension (".xwd", ".puz", ".ipuz", any case).
std::optional<TExchangeFormat> FormatOfFile(std::string_view fileName);

struct TReadOptions {
    // The four-digit key of a .puz file whose solution is locked (scrambled).
    std::optional<int> Key;
    // Open a .puz file whose checksums do not match (the user said yes to
    // ChecksumsFailed). Without it such a file is not opened.
    bool IgnoreChecksums = false;
};

// What reading a file found. Open the record only when Error is empty and,
// if MustAsk, the user agreed after seeing Warnings.
struct TReadResult {
    TXwdPuzzle Puzzle{};
    // Non-empty: the file cannot be opened; the text tells the user why.
    // Puzzle is then all zeros, never a half-read record.
    std::string Error;
    // A .puz file's solution is locked: ask for its four-digit key and read
    // again with TReadOptions::Key. Error holds the text to show.
    bool KeyNeeded = false;
    // A .puz file's checksums do not match: the file may be damaged. Error
    // holds the text; the window may offer to read again with IgnoreChecksums.
    bool ChecksumsFailed = false;
    // What does not fit the record and would be changed or lost, one text per
    // kind of loss (cut clues list each clue).
    std::vector<std::string> Warnings;
    // Warnings is not empty: ask before opening.
    bool MustAsk = false;
    // Texts of the file that the record has no place for (also in Warnings).
    std::string Title;
    std::string Copyright;
    std::string Notes;

    bool Ok() const { return Error.empty(); }
};

// A question for the user built from Warnings, ending "Open it anyway?".
std::string OpenQuestion(const TReadResult& result);

TReadResult ReadPuz(std::span<const std::uint8_t> bytes, const TReadOptions& options = {});
TReadResult ReadIpuz(std::span<const std::uint8_t> bytes);
// The XWD record (the model's own reader, with its errors as Error).
TReadResult ReadXwd(std::span<const std::uint8_t> bytes);
TReadResult ReadExchange(TExchangeFormat format, std::span<const std::uint8_t> bytes,
                         const TReadOptions& options = {});

// A record that cannot be written in a format; what() tells the user why.
class EExchangeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file's bytes, for puzzles::WriteWholeFile. The title goes into the
// file's title field (the record has none); the author is the Byline; clues
// are those the numbering walk links (entry AcrossClue/DownClue of each word's
// first square). Raise EExchangeError for what the format cannot hold.
//
// .puz (version 1.3, Windows-1252): a complete grid (GridComplete; "?" squares
// are written as "?"), or one with no answer at all, written in the "no
// solution" state; a grid with some squares filled and others empty is refused,
// as .puz cannot say which squares are still open. More than 179 words or a
// grid side outside 1..23 is refused in every format.
std::string WritePuz(const TXwdPuzzle& puzzle, std::string_view title);
// .ipuz (http://ipuz.org/v2 crossword): every record the grid window can show.
std::string WriteIpuz(const TXwdPuzzle& puzzle, std::string_view title);
std::string WriteXwd(const TXwdPuzzle& puzzle);
std::string WriteExchange(TExchangeFormat format, const TXwdPuzzle& puzzle, std::string_view title);

// ---- .puz details, public for tests and the key check ----

// The running checksum of the .puz format over bytes, starting from seed.
std::uint16_t PuzChecksum(std::span<const std::uint8_t> bytes, std::uint16_t seed = 0);
// The letters of a locked solution (column by column, black squares left out)
// locked or unlocked with a four-digit key (1000..9999). Letters are A-Z.
std::string ScrambleLetters(std::string_view letters, int key);
std::string UnscrambleLetters(std::string_view letters, int key);

} // namespace wl
