// The figures of the statistics window and the key filter of the word list editor,
// computed from the game's state. Standard C++ only.
#pragma once

#include "GameState.h"

#include <string>

namespace hm {

// The value labels of frmStats.
struct Statistics {
    std::string Label1;  // status rating
    std::string Label2;  // games won
    std::string Label3;  // games lost, after two blanks
    std::string Label7;  // percent won
    std::string Label9;  // current score
    std::string Label13; // percent of letters correct
    std::string Label14; // longest streak
    std::string Label15; // letters correct
    std::string Label18; // letters incorrect
};

// value x 100 with two decimals and a percent sign: 0.5 gives "50.00%" with ".".
std::string percentForm(double value, const std::string& decimalSeparator);

Statistics showStatistics(const HangmanGame& game, const std::string& decimalSeparator);

// newWord takes only letters A-Z and a-z, Backspace (8) and Enter (13).
constexpr bool newWordKeyPasses(int keyAscii) {
    return (keyAscii >= 'A' && keyAscii <= 'Z') || (keyAscii >= 'a' && keyAscii <= 'z') ||
           keyAscii == 8 || keyAscii == 13;
}

} // namespace hm
