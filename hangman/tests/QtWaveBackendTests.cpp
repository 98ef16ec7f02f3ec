// The Qt sound backend is silent, never failing, whatever it is given.
#include "API.h"
#include "MciInterpreter.h"
#include "LazyWaveBackend.h"
#include "QtWaveBackend.h"
#include "SoundModule.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A short silent 8-bit mono PCM wave file.
void writeWave(const fs::path& file) {
    const std::uint32_t samples = 800;
    std::ofstream out(file, std::ios::binary);
    const auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out << "RIFF";
    u32(36 + samples);
    out << "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(8000);
    u16(1);
    u16(8);
    out << "data";
    u32(samples);
    out << std::string(samples, '\x80');
}

TEST(QtWaveBackend, PlaysOrStaysSilentButNeverFails) {
    const fs::path dir = fs::temp_directory_path() / "hangman_qt_sounds";
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const hm::SoundFile& sound : hm::SoundFiles) writeWave(dir / sound.file);
    std::ofstream(dir / "alrighty.wav") << "not a wave file";

    hm::QtWaveBackend backend;
    hm::MciInterpreter mci(&backend);
    hm::API api(mci, dir);
    api.openSounds();
    EXPECT_TRUE(api.soundsReady);
    for (const char* name : {"BadSnd1", "GoodSnd3", "BadSnd1"}) {
        api.playSound(name);
        QCoreApplication::processEvents();
    }
    api.closeSounds();
    api.playSound("GoodSnd1"); // closed: the interpreter answers, nothing plays
    QCoreApplication::processEvents();
    fs::remove_all(dir);
}

// Records what reaches the real backend.
struct RecordingBackend : hm::WaveBackend {
    std::vector<std::string>& calls;
    explicit RecordingBackend(std::vector<std::string>& c) : calls(c) {}
    void open(const std::string& alias, const fs::path& file) override {
        calls.push_back("open " + alias + " " + file.string());
    }
    void rewind(const std::string& alias) override { calls.push_back("rewind " + alias); }
    void play(const std::string& alias) override { calls.push_back("play " + alias); }
    void close(const std::string& alias) override { calls.push_back("close " + alias); }
};

TEST(LazyWaveBackend, LoadsAtTheFirstPlayWithTheFilesStillOpen) {
    std::vector<std::string> calls;
    int loads = 0;
    hm::LazyWaveBackend lazy([&] {
        ++loads;
        return std::make_unique<RecordingBackend>(calls);
    });
    lazy.open("GoodSnd1", "a.wav");
    lazy.open("BadSnd1", "b.wav");
    lazy.close("BadSnd1");
    lazy.rewind("GoodSnd1");
    EXPECT_EQ(loads, 0) << "opening and rewinding load nothing";
    lazy.play("GoodSnd1");
    lazy.play("GoodSnd1");
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(calls, (std::vector<std::string>{"open GoodSnd1 a.wav", "play GoodSnd1", "play GoodSnd1"}));

    hm::LazyWaveBackend silent([] { return std::unique_ptr<hm::WaveBackend>(); });
    silent.open("GoodSnd1", "a.wav");
    silent.play("GoodSnd1"); // no module: silent, never failing

    using Create = hm::WaveBackend* (*)();
    const auto create = reinterpret_cast<Create>(puzzles::SoundModuleFunction(
        HANGMAN_SOUND_DIR, "hangman-sound", "hangman_create_wave_backend"));
    ASSERT_NE(create, nullptr) << "the module is built beside the program";
    std::unique_ptr<hm::WaveBackend>(create())->play("GoodSnd1");
}

} // namespace
