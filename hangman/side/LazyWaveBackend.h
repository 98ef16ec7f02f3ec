// The sound of the wave files, loaded when the first sound plays: the files
// opened before are remembered and handed to the real backend then, so start-up
// loads nothing of the audio system.
#pragma once

#include "MciInterpreter.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace hm {

class LazyWaveBackend : public WaveBackend {
public:
    using Load = std::function<std::unique_ptr<WaveBackend>()>;
    // Silent when `load` makes no backend.
    explicit LazyWaveBackend(Load load = loadSoundModule);

    void open(const std::string& alias, const std::filesystem::path& file) override;
    void rewind(const std::string& alias) override;
    void play(const std::string& alias) override;
    void close(const std::string& alias) override;

    // The backend of the program's sound module (hangman-sound beside it).
    static std::unique_ptr<WaveBackend> loadSoundModule();

private:
    Load load_;
    std::unique_ptr<WaveBackend> backend_;
    std::map<std::string, std::filesystem::path> open_; // before the backend exists
};

} // namespace hm
