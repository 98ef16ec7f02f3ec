// The Qt sound backend is silent, never failing, whatever it is given.
#include "API.h"
#include "MciInterpreter.h"
#include "QtWaveBackend.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

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

} // namespace
