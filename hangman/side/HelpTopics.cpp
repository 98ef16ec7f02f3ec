#include "HelpTopics.h"

namespace hm {

// Topics from the top down. The answers keep their double blanks after full stops,
// "death--" and the blank at the end of the second one as they are written.
const std::array<HelpTopic, 6> HelpTopics{{
    {"Label7", "Playing the game", 1440, "So, how exactly do I play this game?!",
     "Playing is easy; winning is a little tougher. A certain word is hidden in the gray box; "
     "click on the letters at the bottom of the window until you solve the puzzle... or kill the "
     "tobbin (Now we wouldn't want to do that, would we?! Don't answer that!). If your score is "
     "high enough, you will get the opportunity to enter your name in the coveted Tobbin Top "
     "Ten. Wow, what an honor! Now stop reading this and go save some tobbins!"},
    {"Label1", "Why a game starring tobbins?!", 1800,
     "Why Tobbins, and not, let's say, Barney Hangman?!",
     "Stop by The Tobbins!! Home Page and you will understand. The Tobbins have actually been "
     "persecuted for several centuries by the cruel and heartless prunes. The prunes have a "
     "knack for severe torture and punishment, just because they're bigger and uglier than the "
     "poor Tobbins. Hey, it hasn't been done before (though Barney Hangman does sound very "
     "tempting!)! "},
    {"Label8", "Can I add new words to the game?", 2400, "Can I Add My Own Words to the Game?",
     "Adding words to the Tobbin Hangman database is easy. Simply select Options, and then Word "
     "Lists. Enter in a word between 4 and 10 letters long, then hit the Add button. If the word "
     "is not already in the word list, it will automatically be included with the others in "
     "alphabetic order."},
    {"Label3", "What is this cheating business?", 3000,
     "What's up with this cheating message I get?",
     "When a letter in a current game is visible, you are not allowed to view the word list. If "
     "you do, a Tobbin will pop up exclaiming, 'Cheating is NOT allowed!' You may freely view "
     "the words in the list any other time."},
    {"Label4", "Does Tobbin Hangman keep track of statistics?", 3600, "I want to see some stats!",
     "You can view your current game statistics by choosing 'Statistics' from the File menu.  "
     "Tobbin Hangman keeps track of your current amount of wins and losses, the percent of "
     "letters guessed correctly, and your current streak.  Now put away that calculator!"},
    {"Label5", "Turning the Tobbin's sounds on/off", 4200, "Those Tobbinous sounds!",
     "The poor Tobbin is more than just a tad bit scared when he's inches away from death-- the "
     "poor thing is bound to express joy when it is set free and sadness when the noose ain't "
     "so loose!  You can select whether to listen to the Tobbin's sounds by selecting 'Sound' "
     "from the Options menu."},
}};

} // namespace hm
