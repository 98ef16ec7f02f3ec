// The clue-writing walk: one word at a time in clue entry order, and the rule
// that links the shown word to the entry of its ordinal when its clue is typed.
// Standard C++ only; the Autoclue window shows this state and plays the sounds.
#pragma once

#include "DemoProcsUnit.h"

#include <string>
#include <string_view>

namespace wl {

// The text of clue entry `entry`; entry 0 (no clue linked) and numbers beyond
// the table (a loaded file may hold any) read as the empty string.
std::string EntryText(const TXwdPuzzle& p, int entry);

// What a step of the walk asks the window to do.
enum class TWalkResult {
    Found,       // show the current word
    PassedEnd,   // say "NO MORE CLUES!", then show the current word (if any)
    PassedStart, // sound only; the first word stays shown
    LimitHit,    // the 180th word: warn; the state is back on the word shown before
};

class TAutoclueWalk {
public:
    // The walk reads and writes `puzzle` in place; it must outlive the walk.
    explicit TAutoclueWalk(TXwdPuzzle& puzzle) : P(&puzzle) {}

    int CurX = 0; // column of the current word's first square; 0 before the first step
    int CurY = 1;
    char CurDir = 'd'; // 'a' across, 'd' down
    int CurNumber = 0; // the square number of the current word
    int CurEntry = 0;  // its ordinal in the walk: the clue entry it is linked to when clued
    bool WordFound = false;

    // The state before the first step (every time the window is shown).
    void Reset();
    // Forward to the next word matching `target`: ">" any word, "" a word
    // without clue text, otherwise a word whose clue text equals it or, with
    // `matchLetters`, whose letters (GetWord) equal it. Exact comparison.
    TWalkResult FindWord(std::string_view target, bool matchLetters);
    // One word back.
    TWalkResult PrevWord();
    // To the first word (toEnd false) or to the last across word, with the
    // counters one short so that the forward step landing on it counts it.
    void ResetWalk(bool toEnd);
    // Straight to a word of the numbering walk.
    void GoTo(const TNumberedSquare& square, char direction);

    // The state names a word that may carry a clue (entry 1..179).
    bool OnWord() const;
    // The letters of the current word up to its first NoLetter square.
    std::string Letters() const;
    // The entry the current word's square links to in its direction.
    int LinkedEntry() const;
    // Stores `text` (cut to 60 characters) as the current word's clue unless
    // the linked entry already holds it; relinks the word to CurEntry. True
    // when the record changed. Nothing is stored off a word.
    bool StoreClue(std::string_view text);

private:
    // The forward step's count of a new word; false at the word limit.
    bool CountWord();
    bool Matches(int entry, std::string_view target, bool matchLetters) const;
    TXwdPuzzle* P; // a pointer, so that a saved state can be put back
};

} // namespace wl
