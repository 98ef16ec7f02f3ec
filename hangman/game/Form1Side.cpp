// The game window's menu commands that open the side windows, and the exit sequence.
#include "Form1.h"
#include "HelpWindows.h"
#include "HighScoreWindows.h"
#include "SafeSave.h"
#include "Statistics.h"
#include "frmStats.h"
#include "frmWordList.h"

#include <QCoreApplication>
#include <QLocale>

namespace hangman {

void Form1::mnuStats_Click() {
    if (!frmStats_) frmStats_ = new frmStats(this);
    frmStats_->fill(hm::showStatistics(game_, QLocale().decimalPoint().toStdString()));
    dialogs_.runModal(*frmStats_);
}

Form4& Form1::highScores() {
    if (!Form4_) {
        // Exit or the close box: the program ends after the exit sequence, so a table
        // opened from the menu runs that sequence first, once it has closed.
        auto leave = [this] {
            if (exiting_)
                endProgram();
            else
                tableLeft_ = true;
        };
        Form4_ = new Form4([this] { show(); }, leave, this);
        Form4_->fill(shownTopTen_);
    }
    return *Form4_;
}

// Shows the table as last read; it never rereads the file.
void Form1::mnuHigh_Click() {
    if (!topTenProblem_.isEmpty()) {
        messages_.message(this, hm::MessageTitle, topTenProblem_, MessageIcon::Critical);
        return;
    }
    Form4& table = highScores();
    table.showExit(false);
    tableLeft_ = false;
    dialogs_.runModal(table);
    if (tableLeft_) mnuExit_Click();
}

void Form1::mnuWordLists_Click() {
    if (!game_.wordListMayBeShown()) {
        if (!frmCheating_) frmCheating_ = new frmCheating(this);
        dialogs_.runModal(*frmCheating_);
        return;
    }
    if (!frmWordList_) frmWordList_ = new frmWordList(game_, messages_, this);
    frmWordList_->refreshCount();
    dialogs_.runModal(*frmWordList_);
}

void Form1::mnuHelp2_Click() {
    if (!tobbins_) tobbins_ = new tobbins(dialogs_, this);
    dialogs_.runModal(*tobbins_);
}

void Form1::mnuAbout_Click() {
    if (!Form2_) Form2_ = new Form2(shell_, messages_, this);
    dialogs_.runModal(*Form2_);
}

void Form1::mnuExit_Click() {
    if (exiting_) return;
    exiting_ = true;
    saveHighScore();
}

std::optional<hm::TopTen> Form1::readHighScores(const QString& consequence) {
    std::string error;
    std::optional<hm::TopTen> table = hm::readTopTenFile(topTenFile_, error);
    if (!table) {
        topTenProblem_ = "The high scores in " + QString::fromStdString(topTenFile_.string()) +
                         " could not be read: " + QString::fromLocal8Bit(error) + ".";
        messages_.message(this, hm::MessageTitle, topTenProblem_ + "\n\n" + consequence,
                          MessageIcon::Critical);
    }
    return table;
}

void Form1::saveHighScore() {
    const auto candidate = static_cast<float>(game_.score());
    // A table that could not be read is never written over: the real one would be lost.
    std::optional<hm::TopTen> table;
    if (topTenProblem_.isEmpty()) table = readHighScores("Your score has not been saved.");
    if (!table || !hm::entersTopTen(*table, candidate)) {
        sounds_.closeSounds();
        endProgram();
        return;
    }
    frmHighScore prompt(this);
    dialogs_.runModal(prompt);
    hm::placeNewScore(*table, candidate, toBytes(prompt.name()));
    try {
        // Whole or not at all: a failed write leaves the old table as it was.
        puzzles::WriteWholeFile(topTenFile_, hm::topTenFileText(*table));
    } catch (const puzzles::ESaveError& error) {
        messages_.message(this, hm::MessageTitle,
                          "Your high score could not be saved in " +
                              QString::fromStdString(topTenFile_.string()) + ": " +
                              QString::fromLocal8Bit(error.what()) + ".",
                          MessageIcon::Critical);
        sounds_.closeSounds();
        endProgram();
        return;
    }
    sounds_.closeSounds();
    offerHighScores();
}

void Form1::offerHighScores() {
    if (!dialogs_.question(this, "View High Scores?", "Would you like to view the high scores?")) {
        endProgram();
        return;
    }
    const std::optional<hm::TopTen> table = readHighScores("Your score has been saved.");
    if (!table) {
        endProgram();
        return;
    }
    shownTopTen_ = *table;
    Form4& view = highScores();
    view.fill(shownTopTen_);
    view.showExit(true);
    view.setModal(false);
    view.show();
    hide();
}

void Form1::endProgram() {
    ended_ = true;
    if (Form4_) Form4_->hide();
    hide();
    QCoreApplication::exit(0);
}

} // namespace hangman
