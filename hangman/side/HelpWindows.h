// The help topic window tobbins, the answer window frmHlpPlay and the about window Form2.
#pragma once

#include "HangmanPlatform.h"
#include "HelpTopics.h"
#include "SideWidgets.h"

#include <array>

namespace hangman {

class URLLink;

class frmHlpPlay : public SideDialog {
public:
    explicit frmHlpPlay(QWidget* parent);
    QLabel* Label1 = nullptr; // the answer
    QLabel* Label2 = nullptr; // the title
};

class tobbins : public SideDialog {
public:
    // Answers open modally through dialogs, over this window.
    tobbins(Dialogs& dialogs, QWidget* parent);
    // The click on a topic label: its title and answer, then the answer window.
    void topicClick(const hm::HelpTopic& topic);
    frmHlpPlay* answerWindow() const { return answer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Dialogs& dialogs_;
    std::array<QLabel*, hm::HelpTopics.size()> topics_{};
    frmHlpPlay* answer_ = nullptr; // created on the first click
};

class Form2 : public SideDialog {
public:
    Form2(Shell& shell, MessageBoxes& messages, QWidget* parent);
    URLLink* URLLink1 = nullptr;
};

} // namespace hangman
