// What the grid window needs from the windows around it. Each peer is plugged
// in after construction and may be null, in which case the call is skipped.
#pragma once

namespace wl {

// The main window's clue display.
class TGridMainPeer {
public:
    virtual ~TGridMainPeer() = default;
    // Shows the text of the clue list's selected line under "Across Clue" or
    // "Down Clue", after the grid window's Direction.
    virtual void ShowClue() = 0;
    // Empties the clue display.
    virtual void ClearClue() = 0;
};

// The solver's clue list: line i (from 0) holds clue entry i + 1.
class TGridClueListPeer {
public:
    virtual ~TGridClueListPeer() = default;
    // Selects line `index`, or no line for -1.
    virtual void SelectClue(int index) = 0;
};

// The clue-writing window.
class TGridAutocluePeer {
public:
    virtual ~TGridAutocluePeer() = default;
    virtual bool IsShowing() const = 0;
    // Restarts the walk at the word that starts at the grid's cursor square.
    virtual void GotoCursorWord() = 0;
    virtual void BringToFront() = 0;
};

} // namespace wl
