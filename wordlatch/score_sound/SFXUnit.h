// TSoundFX: the program's seven sounds, one operation per sound.
#pragma once

#include "Prompts.h"

namespace wl {

class TDemProcs;
class IWavePlayer;

// Every operation is silent while SoundMode is 0. All return at once except
// PlayEndOfListSpeech, which returns when its sound has finished. Starting a
// sound stops the one still playing (the player sees to that).
class TSoundFX : public IPromptSounds {
public:
    // Reads SoundMode from `procs` at every call; both must outlive this.
    TSoundFX(const TDemProcs& procs, IWavePlayer& player) : Procs(procs), Player(player) {}

    void PlayQuestion();        // "WAVE_1": question, sound effects
    void PlaySolved();          // "WAVE_2": puzzle solved correctly
    void PlayIncorrect();       // "WAVE_3": puzzle incorrect
    void PlayEndOfList();       // "WAVE_4": clue writing reached an end of the words
    void PlayEndOfListSpeech(); // "WAVE_5": the same, spoken; synchronous
    void PlayQuestionSpeech();  // "WAVE_6": question, speech
    void PlayError();           // "WAVE_7": before every error box

    // Before every question box: nothing at SoundMode 0, "WAVE_1" at 1, "WAVE_6" at 2 or more.
    void QuestionSound() override;
    void ErrorSound() override { PlayError(); }

private:
    void Play(const char* name, bool synchronous = false);
    const TDemProcs& Procs;
    IWavePlayer& Player;
};

} // namespace wl
