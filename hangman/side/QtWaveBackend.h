// The sound of the hangman's wave files: one QSoundEffect per alias. Silent when a
// file cannot be played or no audio output exists. Built as the program's sound
// module (libhangman-sound beside it).
#pragma once

#include "MciInterpreter.h"

#include <map>
#include <memory>
#include <string>

class QSoundEffect;

namespace hm {

class QtWaveBackend : public WaveBackend {
public:
    QtWaveBackend();
    ~QtWaveBackend() override;

    void open(const std::string& alias, const std::filesystem::path& file) override;
    void rewind(const std::string& alias) override;
    void play(const std::string& alias) override;
    void close(const std::string& alias) override;

private:
    QSoundEffect* find(const std::string& alias) const;

    std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
};

} // namespace hm

// The sound module's entry point: a new backend the caller owns.
extern "C" hm::WaveBackend* hangman_create_wave_backend();
