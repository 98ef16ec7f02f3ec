// The hangman's sound player: opens the six wave files under their aliases at
// start-up, rewinds and plays one by name, and closes them all at exit.
#pragma once

#include "GameState.h"
#include "MciInterpreter.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>

namespace hm {

struct SoundFile {
    const char* alias;
    const char* file;
};

// In the order they are opened.
inline constexpr std::array<SoundFile, 6> SoundFiles{{
    {"th20BadSnd1", "notgoodguess.wav"},
    {"th20BadSnd2", "notfeelgood.wav"},
    {"th20BadSnd3", "senseopain.wav"},
    {"th20GoodSnd1", "yippee!.wav"},
    {"th20GoodSnd2", "yousavedme.wav"},
    {"th20GoodSnd3", "alrighty.wav"},
}};

class API : public SoundPlayer {
public:
    // programDir: the directory of the executable, where the wave files lie.
    API(MciSender& mci, std::filesystem::path programDir)
        : mci_(mci), programDir_(std::move(programDir)) {}

    // Opens the six files. Ready when the last one opened, is missing or was open
    // already; no failure is ever shown to the player.
    void openSounds();
    // name is the alias without "th20" ("GoodSnd1" .. "BadSnd3"). Retries the
    // opening once while not ready; silent when that fails again.
    void playSound(const std::string& name) override;
    void closeSounds();

    bool soundsReady = false;
    std::int32_t mciResult = 0; // result of the latest open command

private:
    MciSender& mci_;
    std::filesystem::path programDir_;
};

} // namespace hm
