#include "AutoclueWalk.h"

namespace wl {

std::string EntryText(const TXwdPuzzle& p, int entry) {
    return entry >= 1 && entry <= MaxWords ? p.Clue(entry).Text() : std::string();
}

void TAutoclueWalk::Reset() {
    CurX = 0;
    CurY = 1;
    CurDir = 'd';
    CurNumber = 0;
    CurEntry = 0;
    WordFound = false;
}

bool TAutoclueWalk::CountWord() {
    ++CurEntry;
    return CurEntry <= MaxWords;
}

bool TAutoclueWalk::Matches(int entry, std::string_view target, bool matchLetters) const {
    if (target == ">") return true;
    if (EntryText(*P, entry) == target) return true;
    return matchLetters && GetWord(*P, CurX, CurY, CurDir) == target;
}

TWalkResult TAutoclueWalk::FindWord(std::string_view target, bool matchLetters) {
    const TAutoclueWalk before = *this;
    const int n = P->Side();
    bool passedEnd = false;
    WordFound = false;
    while (!WordFound) {
        if (CurDir == 'd') {
            // On to the next square's across word.
            if (++CurX > n) {
                CurX = 1;
                if (++CurY > n) {
                    ResetWalk(true);
                    passedEnd = true;
                }
            }
            CurDir = 'a';
            if (StartsAcross(*P, CurX, CurY)) {
                if (!CountWord()) {
                    *this = before;
                    return TWalkResult::LimitHit;
                }
                ++CurNumber;
                if (Matches(P->Index(CurX, CurY).AcrossClue, target, matchLetters))
                    WordFound = true;
            }
        }
        if (CurDir == 'a' && !WordFound) {
            // The same square's down word.
            CurDir = 'd';
            if (StartsDown(*P, CurX, CurY)) {
                if (!CountWord()) {
                    *this = before;
                    return TWalkResult::LimitHit;
                }
                // A square that starts both words carries one number.
                if (!StartsAcross(*P, CurX, CurY)) ++CurNumber;
                if (Matches(P->Index(CurX, CurY).DownClue, target, matchLetters)) WordFound = true;
            }
        }
    }
    if (passedEnd && !OnWord()) {
        // A grid without an across word: stay where the walk started.
        const bool found = WordFound;
        *this = before;
        WordFound = found;
    }
    return passedEnd ? TWalkResult::PassedEnd : TWalkResult::Found;
}

TWalkResult TAutoclueWalk::PrevWord() {
    const int n = P->Side();
    WordFound = false;
    while (!WordFound) {
        if (CurDir == 'a') {
            // Back to the previous square's down word.
            if (--CurX < 1) {
                CurX = n;
                if (--CurY < 1) {
                    ResetWalk(false);
                    return TWalkResult::PassedStart;
                }
            }
            CurDir = 'd';
            if (StartsDown(*P, CurX, CurY)) {
                --CurEntry;
                --CurNumber;
                WordFound = true;
            }
        }
        if (CurDir == 'd' && !WordFound) {
            CurDir = 'a';
            if (StartsAcross(*P, CurX, CurY)) {
                --CurEntry;
                if (!StartsDown(*P, CurX, CurY)) --CurNumber;
                WordFound = true;
            }
        }
    }
    return TWalkResult::Found;
}

void TAutoclueWalk::ResetWalk(bool toEnd) {
    // The numbering walk gives the true counters of the word landed on, also
    // when down words follow the last across word.
    const std::vector<TNumberedSquare> squares = NumberGrid(*P);
    WordFound = true;
    if (!toEnd) {
        if (squares.empty()) {
            Reset();
            WordFound = true;
            return;
        }
        const TNumberedSquare& first = squares.front();
        CurX = first.X;
        CurY = first.Y;
        CurDir = first.AcrossWord ? 'a' : 'd';
        CurNumber = 1;
        CurEntry = 1;
        return;
    }
    for (auto s = squares.rbegin(); s != squares.rend(); ++s) {
        if (!s->AcrossWord) continue;
        CurX = s->X;
        CurY = s->Y;
        CurNumber = s->SquareNumber - 1;
        CurEntry = s->AcrossWord - 1;
        return;
    }
    // No across word: the scan ends at the grid's first square, off any word.
    CurX = 1;
    CurY = 1;
    CurNumber = 0;
    CurEntry = 0;
}

void TAutoclueWalk::GoTo(const TNumberedSquare& square, char direction) {
    CurX = square.X;
    CurY = square.Y;
    CurDir = direction;
    CurNumber = square.SquareNumber;
    CurEntry = direction == 'a' ? square.AcrossWord : square.DownWord;
    WordFound = true;
}

bool TAutoclueWalk::OnWord() const {
    if (CurEntry < 1 || CurEntry > MaxWords) return false;
    return CurDir == 'a' ? StartsAcross(*P, CurX, CurY) : StartsDown(*P, CurX, CurY);
}

std::string TAutoclueWalk::Letters() const {
    if (!OnWord()) return {};
    const std::string word = GetWord(*P, CurX, CurY, CurDir);
    return word.substr(0, word.find('\0'));
}

int TAutoclueWalk::LinkedEntry() const {
    if (!OnWord()) return 0;
    const TClueIndexPair& index = P->Index(CurX, CurY);
    return CurDir == 'a' ? index.AcrossClue : index.DownClue;
}

bool TAutoclueWalk::StoreClue(std::string_view text) {
    if (!OnWord()) return false;
    text = text.substr(0, MaxClueLength);
    if (EntryText(*P, LinkedEntry()) == text) return false;
    TClueIndexPair& index = P->Index(CurX, CurY);
    (CurDir == 'a' ? index.AcrossClue : index.DownClue) = std::uint16_t(CurEntry);
    P->Clue(CurEntry).SetText(text);
    return true;
}

} // namespace wl
