#include "LazyWaveBackend.h"

#include "SoundModule.h"


namespace hm {

LazyWaveBackend::LazyWaveBackend(Load load) : load_(std::move(load)) {}

void LazyWaveBackend::open(const std::string& alias, const std::filesystem::path& file) {
    if (backend_)
        backend_->open(alias, file);
    else
        open_[alias] = file;
}

// A sound not yet loaded is at its start already.
void LazyWaveBackend::rewind(const std::string& alias) {
    if (backend_) backend_->rewind(alias);
}

void LazyWaveBackend::play(const std::string& alias) {
    if (load_) {
        backend_ = load_();
        load_ = nullptr; // one try: a missing module stays silent
        if (backend_)
            for (const auto& [name, file] : open_) backend_->open(name, file);
        open_.clear();
    }
    if (backend_) backend_->play(alias);
}

void LazyWaveBackend::close(const std::string& alias) {
    if (backend_) backend_->close(alias);
    open_.erase(alias);
}

std::unique_ptr<WaveBackend> LazyWaveBackend::loadSoundModule() {
    using Create = WaveBackend* (*)();
    const auto create = reinterpret_cast<Create>(puzzles::SoundModuleFunction(
        puzzles::ProgramModules("tobbin-hangman"), "hangman-sound", "hangman_create_wave_backend"));
    return std::unique_ptr<WaveBackend>(create ? create() : nullptr);
}

} // namespace hm
