#include "Statistics.h"

#include <cstdio>

namespace hm {

std::string percentForm(double value, const std::string& decimalSeparator) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", value * 100);
    std::string text = buffer;
    // printf's own separator depends on the C locale; the user's goes in instead.
    const std::size_t point = text.find_first_of(".,");
    if (point != std::string::npos) text.replace(point, 1, decimalSeparator);
    return text + "%";
}

Statistics showStatistics(const HangmanGame& game, const std::string& decimalSeparator) {
    Statistics s;
    const Form1State& form = game.form;
    const double won = static_cast<double>(game.gamesWon());
    const double lost = static_cast<double>(game.gamesLost());
    double percentWon = won != 0 ? 1 : 0;
    if (lost != 0) percentWon = won + lost != 0 ? won / (lost + won) : 0;

    s.Label2 = form.Label4;
    s.Label3 = "  " + form.Label5;
    s.Label7 = percentForm(percentWon, decimalSeparator);
    s.Label9 = form.Label7;
    s.Label1 = ratingFor(static_cast<float>(game.score()));

    // In int: two 16-bit counters cannot overflow their sum.
    const int correct = game.lettersCorrect;
    const int letters = correct + game.lettersIncorrect;
    s.Label15 = std::to_string(game.lettersCorrect);
    s.Label18 = std::to_string(game.lettersIncorrect);
    s.Label13 = letters <= 0
                    ? std::string("0.00%")
                    : percentForm(static_cast<double>(correct) / letters, decimalSeparator);

    if (game.lastResult == "notPlayed") {
        s.Label14 = "No games completed.";
    } else if (game.longestWinStreak < game.longestLossStreak) {
        s.Label14 = std::to_string(game.longestLossStreak) +
                    (game.longestLossStreak <= 1 ? " Loss" : " Losses");
    } else {
        s.Label14 =
            std::to_string(game.longestWinStreak) + (game.longestWinStreak <= 1 ? " Win" : " Wins");
    }
    return s;
}

} // namespace hm
