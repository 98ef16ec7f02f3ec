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
#include <filesystem>
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

// What a conversion cannot carry over as it is, in the order to list it.
struct TMisfits {
    // Changes to the grid, letters or clues (padding, rebus squares, cut clues,
    // replaced characters ...), one text per kind (cut clues list each clue):
    // go on only with the user's consent.
    std::vector<std::string> Changes;
    // What the other side has no place for at all and leaves out (title,
    // copyright, notes, circles, missing answers ...): told, then go on.
    std::vector<std::string> Notices;

    bool MustAsk() const { return !Changes.empty(); }
    bool Empty() const { return Changes.empty() && Notices.empty(); }
    // Changes, then notices.
    std::vector<std::string> All() const;
    TMisfits& operator+=(const TMisfits& more);
};

// The text of a .puz file's failed checksums (TReadResult::Error).
inline constexpr const char* DamagedPuzText =
    "The checksums of the .puz file do not match its contents; the file may be damaged.";

// What reading a file found. Open the record only when Error is empty and,
// if Misfits.MustAsk(), the user agreed after seeing the list.
struct TReadResult {
    TXwdPuzzle Puzzle{};
    // Non-empty: the file cannot be opened; the text tells the user why.
    // Puzzle is then all zeros, never a half-read record.
    std::string Error;
    // A .puz file's solution is locked: ask for its four-digit key and read
    // again with TReadOptions::Key. Error holds the text to show.
    bool KeyNeeded = false;
    // A .puz file's checksums do not match: the file may be damaged. Error
    // holds DamagedPuzText; the window may offer to read again with IgnoreChecksums.
    bool ChecksumsFailed = false;
    // What the record changes or leaves out of the file. The title is not in
    // it: ExportMisfits tells whether the target can hold it.
    TMisfits Misfits;
    // Texts of the file that the record has no place for.
    std::string Title;
    std::string Copyright;
    std::string Notes;

    bool Ok() const { return Error.empty(); }
};

// Some white square has an answer ("?" included): a solution can be scored.
bool HasAnswers(const TXwdPuzzle& puzzle);

// The whole file's bytes. Raises EExchangeError telling why it cannot be read
// (missing, a folder, no permission, an I/O error).
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file);

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
// What writing the record and title in a format changes or leaves out: the
// title in an XWD file, its characters outside Windows-1252 and "?" squares
// in a .puz file.
TMisfits ExportMisfits(TExchangeFormat format, const TXwdPuzzle& puzzle, std::string_view title);

// ---- .puz details, public for tests and the key check ----

// The running checksum of the .puz format over bytes, starting from seed.
std::uint16_t PuzChecksum(std::span<const std::uint8_t> bytes, std::uint16_t seed = 0);
// The letters of a locked solution (column by column, black squares left out)
// locked or unlocked with a four-digit key (1000..9999). Letters are A-Z.
std::string ScrambleLetters(std::string_view letters, int key);
std::string UnscrambleLetters(std::string_view letters, int key);

} // namespace wl
