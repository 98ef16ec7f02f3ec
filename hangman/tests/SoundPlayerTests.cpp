// The sound player: the exact command strings it sends, the ready rule, and the
// interpreter that carries them out.
#include "API.h"
#include "GameState.h"
#include "MciInterpreter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;

struct RecordingBackend : hm::WaveBackend {
    Log calls;
    void open(const std::string& alias, const fs::path& file) override {
        calls.push_back("open " + alias + " " + file.filename().string());
    }
    void rewind(const std::string& alias) override { calls.push_back("rewind " + alias); }
    void play(const std::string& alias) override { calls.push_back("play " + alias); }
    void close(const std::string& alias) override { calls.push_back("close " + alias); }
};

// Answers every command with the code the script gives for it.
struct ScriptedSender : hm::MciSender {
    std::function<std::uint32_t(const std::string&)> answer;
    Log sent;
    std::uint32_t mciSendString(const std::string& command) override {
        sent.push_back(command);
        return answer(command);
    }
};

class Sounds : public ::testing::Test {
protected:
    fs::path dir;
    RecordingBackend backend;
    hm::MciInterpreter mci{&backend};

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / (std::string("hangman_sounds_") + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    void addWaveFiles() {
        for (const hm::SoundFile& sound : hm::SoundFiles) std::ofstream(dir / sound.file) << "RIFF";
    }
    std::string openCommand(const char* file, const char* alias) const {
        return "Open \"" + dir.string() + std::string(1, fs::path::preferred_separator) + file +
               "\" Type WaveAudio Alias " + alias;
    }
};

TEST_F(Sounds, OpenPlayAndCloseSendTheExactCommandStrings) {
    addWaveFiles();
    hm::API api(mci, dir);
    api.openSounds();
    EXPECT_TRUE(api.soundsReady);
    EXPECT_EQ(api.mciResult, 0);
    const Log opens{openCommand("notgoodguess.wav", "th20BadSnd1"),
                    openCommand("notfeelgood.wav", "th20BadSnd2"),
                    openCommand("senseopain.wav", "th20BadSnd3"),
                    openCommand("yippee!.wav", "th20GoodSnd1"),
                    openCommand("yousavedme.wav", "th20GoodSnd2"),
                    openCommand("alrighty.wav", "th20GoodSnd3")};
    EXPECT_EQ(mci.commandLog(), opens);

    api.playSound("GoodSnd2");
    EXPECT_EQ(Log(mci.commandLog().begin() + 6, mci.commandLog().end()),
              (Log{"Seek th20GoodSnd2 To 0", "Play th20GoodSnd2"}));
    EXPECT_EQ(Log(backend.calls.end() - 2, backend.calls.end()),
              (Log{"rewind th20goodsnd2", "play th20goodsnd2"}));

    api.closeSounds();
    EXPECT_EQ(Log(mci.commandLog().end() - 6, mci.commandLog().end()),
              (Log{"Close th20Badsnd1", "Close th20Badsnd2", "Close th20Badsnd3",
                   "Close th20GoodSnd1", "Close th20GoodSnd2", "Close th20GoodSnd3"}));
    for (const hm::SoundFile& sound : hm::SoundFiles)
        EXPECT_FALSE(mci.isOpen(sound.alias)) << "aliases match whatever their case";
}

TEST_F(Sounds, MissingFilesLeaveTheGameSilentWithoutError) {
    hm::API api(mci, dir);
    api.openSounds();
    EXPECT_EQ(api.mciResult, 275);
    EXPECT_TRUE(api.soundsReady) << "a missing last file still counts as ready";
    api.playSound("BadSnd1");
    EXPECT_EQ(mci.commandLog().back(), "Play th20BadSnd1");
    EXPECT_TRUE(backend.calls.empty());
}

TEST_F(Sounds, OpeningTwiceFindsTheAliasesInUse) {
    addWaveFiles();
    hm::API api(mci, dir);
    api.openSounds();
    api.openSounds();
    EXPECT_EQ(api.mciResult, 289);
    EXPECT_TRUE(api.soundsReady);
    EXPECT_EQ(backend.calls.size(), 6u) << "nothing opened twice";
}

TEST_F(Sounds, OnlyTheLastFileDecidesAndEachPlayRetriesOnce) {
    ScriptedSender sender;
    sender.answer = [](const std::string& c) -> std::uint32_t {
        return c.ends_with("th20GoodSnd3") ? 263 : 0;
    };
    hm::API api(sender, dir);
    api.openSounds();
    EXPECT_FALSE(api.soundsReady);
    api.playSound("GoodSnd1");
    EXPECT_EQ(sender.sent.size(), 12u) << "one more opening, then silence";
    EXPECT_FALSE(api.soundsReady);

    sender.answer = [](const std::string& c) -> std::uint32_t {
        return c.ends_with("th20GoodSnd3") ? 0 : 275;
    };
    api.playSound("GoodSnd1");
    EXPECT_TRUE(api.soundsReady) << "ready though the other five failed";
    EXPECT_EQ(sender.sent.back(), "Play th20GoodSnd1");
}

TEST_F(Sounds, TheInterpreterTakesCommandsInAnyCase) {
    std::ofstream(dir / "with blank.wav") << "RIFF";
    const std::string file = (dir / "with blank.wav").string();
    EXPECT_EQ(mci.mciSendString("OPEN \"" + file + "\" type waveaudio ALIAS Ding"), 0u);
    EXPECT_TRUE(mci.isOpen("dING"));
    EXPECT_EQ(mci.mciSendString("open \"" + file + "\" alias DING"), 289u);
    EXPECT_EQ(mci.mciSendString("seek ding to start"), 0u);
    EXPECT_EQ(mci.mciSendString("PLAY Ding"), 0u);
    EXPECT_EQ(backend.calls, (Log{"open ding with blank.wav", "rewind ding", "play ding"}));

    EXPECT_EQ(mci.mciSendString("play nothing"), hm::MciInvalidDeviceName);
    EXPECT_EQ(mci.mciSendString("seek ding to 5"), hm::MciUnrecognizedKeyword);
    EXPECT_EQ(mci.mciSendString("open \"" + file + "\" type sequencer alias other"),
              hm::MciUnrecognizedKeyword);
    EXPECT_EQ(mci.mciSendString("record ding"), hm::MciUnrecognizedCommand);
    EXPECT_EQ(mci.mciSendString(""), hm::MciUnrecognizedCommand);
    EXPECT_EQ(mci.mciSendString("open \"unterminated"), hm::MciFileNotFound);
    EXPECT_EQ(mci.mciSendString("open \"" + dir.string() + "\" alias folder"), hm::MciFileNotFound);

    EXPECT_EQ(mci.mciSendString("close all"), 0u);
    EXPECT_FALSE(mci.isOpen("ding"));
    EXPECT_EQ(backend.calls.back(), "close ding");
}

// The game asks the player for sounds only while the Sound entry is checked.
TEST_F(Sounds, UncheckedSoundSendsNoCommandFromTheGame) {
    addWaveFiles();
    hm::API api(mci, dir);
    api.openSounds();
    hm::HangmanGame game(&api, [] { return 4242.5; });
    game.words.words = {"LEVEL"};
    game.mnuSound_Click();
    game.Command2_Click();
    for (char c : std::string("LEV")) game.Command1_Click(static_cast<std::int16_t>(c - 'A'));
    game.Command2_Click();
    game.Command3_Click();
    EXPECT_EQ(mci.commandLog().size(), 6u);

    game.mnuSound_Click();
    game.Command2_Click();
    for (char c : std::string("LEV")) game.Command1_Click(static_cast<std::int16_t>(c - 'A'));
    ASSERT_EQ(mci.commandLog().size(), 8u);
    EXPECT_TRUE(mci.commandLog().back().starts_with("Play th20GoodSnd"));
}

} // namespace
