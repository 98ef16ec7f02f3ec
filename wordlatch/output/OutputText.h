// The texts of printing and export, built from the puzzle record: clue entry
// lines, the clue list of the clipboard, typographic quotes and line breaking.
// Standard C++ only; text stays in the record's 8-bit bytes.
#pragma once

#include "DemoProcsUnit.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace wl {

// The text of clue entry n; empty for 0 or a number beyond MaxWords.
std::string ClueEntry(const TXwdPuzzle& puzzle, int n);

// n right-aligned in 3 characters, a space and the clue: "  7 Tree".
std::string EntryLine(int n, std::string_view clue);

// The letters of a word as a manuscript lists them: "?" for UnknownLetter,
// cut at the first NoLetter square.
std::string AnswerText(const TXwdPuzzle& puzzle, int x, int y, char direction);

// "ACROSS", the across entries, "DOWN", the down entries; every line ends in CR LF.
std::string CluesText(const TXwdPuzzle& puzzle);

// Straight double quotes become opening (147) and closing (148) quotes in turn,
// the first one opening; every apostrophe becomes a closing single quote (146).
std::string CurlyQuotes(std::string_view text);

// One line taken off the front of `text`: the longest part before a space that
// `fits`, the space dropped. Where no such space exists the run is hyphenated:
// the most characters that fit with a "-" after them (at least one). Returns
// the line and the rest; the rest is always shorter than `text`, so wrapping
// it again comes to an end.
std::pair<std::string, std::string> BreakLine(std::string_view text,
                                              const std::function<bool(std::string_view)>& fits);

} // namespace wl
