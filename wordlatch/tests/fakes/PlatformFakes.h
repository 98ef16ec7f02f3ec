// Test stand-ins for the platform interfaces: zero-length waits, scripted
// message boxes and font dialogs, recorded sounds and fixed screen measures.
#pragma once

#include "FontDialog.h"
#include "Prompts.h"
#include "SystemMetrics.h"
#include "WaitFor.h"
#include "WavePlayer.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace wl::fakes {

// Records every wait and returns at once (after handling pending events).
class TInstantWaiter : public IWaiter {
public:
    std::vector<int> Waits;
    void WaitFor(int ms) override {
        Waits.push_back(ms);
        QCoreApplication::processEvents();
    }
};

// Records every box shown and answers from a queue; with the queue empty it
// answers the box's first button (Ok or Yes).
class TScriptedBoxes : public IMessageBoxes {
public:
    struct TShown {
        TPromptKind Kind;
        TPromptButtons Buttons;
        QString Caption;
        QString Text;
    };
    std::vector<TShown> Shown;
    std::deque<TPromptAnswer> Answers;
    // Called as each box opens (e.g. to look at the sounds played so far).
    std::function<void(const TShown&)> OnShow;

    TPromptAnswer Show(TPromptKind kind, TPromptButtons buttons, const QString& caption,
                       const QString& text) override {
        Shown.push_back({kind, buttons, caption, text});
        if (OnShow) OnShow(Shown.back());
        if (Answers.empty())
            return buttons == TPromptButtons::Ok ? TPromptAnswer::Ok : TPromptAnswer::Yes;
        TPromptAnswer a = Answers.front();
        Answers.pop_front();
        return a;
    }

    // Text boxes: the labels asked, answered from a queue (empty: Cancel).
    QStringList TextAsked;
    std::deque<std::optional<QString>> TextAnswers;
    std::optional<QString> AskText(const QString&, const QString& label, const QString&,
                                   int) override {
        TextAsked << label;
        if (TextAnswers.empty()) return std::nullopt;
        const bool ok = TextAnswers.front().has_value();
        const QString a = TextAnswers.front().value_or(QString());
        TextAnswers.pop_front();
        if (!ok) return std::nullopt;
        return a;
    }
};

// Records the sounds asked for; "WAVE_5*" marks a synchronous play.
class TRecordingPlayer : public IWavePlayer {
public:
    QStringList Played;
    void Play(const QString& name, bool synchronous) override {
        Played << (synchronous ? name + "*" : name);
    }
};

// Prompt sounds that only note their calls, for tests of prompts alone.
class TRecordingPromptSounds : public IPromptSounds {
public:
    QStringList Calls;
    void ErrorSound() override { Calls << "error"; }
    void QuestionSound() override { Calls << "question"; }
};

// Records the fonts each dialog started from and answers from a queue; an
// empty queue is Cancel.
class TScriptedFontDialog : public IFontDialog {
public:
    std::vector<QFont> Shown;
    std::deque<QFont> Answers;
    std::optional<QFont> Execute(QWidget*, const QFont& initial) override {
        Shown.push_back(initial);
        if (Answers.empty()) return std::nullopt;
        QFont f = Answers.front();
        Answers.pop_front();
        return f;
    }
};

// Measures of a screen whose usable height gives the wanted CellSize
// (menu 20, caption 23, small caption 17 pixels, as on a common desktop).
inline TSystemMetrics MetricsForCellSize(int cellSize) {
    return {cellSize * 23 + 20, 20, 23, 17};
}

} // namespace wl::fakes
