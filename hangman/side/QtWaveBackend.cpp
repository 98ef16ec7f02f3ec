#include "QtWaveBackend.h"

#include <QSoundEffect>
#include <QString>
#include <QUrl>

namespace hm {

QtWaveBackend::QtWaveBackend() = default;
QtWaveBackend::~QtWaveBackend() = default;

// The audio system starts with the first sound played, not at start-up: the
// file is only remembered here (the interpreter has checked it already).
void QtWaveBackend::open(const std::string& alias, const std::filesystem::path& file) {
    effects_.erase(alias);
    files_[alias] = file;
}

void QtWaveBackend::rewind(const std::string& alias) {
    if (QSoundEffect* effect = find(alias)) effect->stop();
}

// QSoundEffect decodes the wave itself and plays through Qt's own audio output
// (once loaded, when asked before); without a device it stays silent.
void QtWaveBackend::play(const std::string& alias) {
    QSoundEffect* effect = find(alias);
    const auto file = files_.find(alias);
    if (!effect && file != files_.end()) {
        auto made = std::make_unique<QSoundEffect>();
        made->setSource(QUrl::fromLocalFile(QString::fromStdString(file->second.string())));
        effect = made.get();
        effects_[alias] = std::move(made);
    }
    if (effect) effect->play();
}

void QtWaveBackend::close(const std::string& alias) {
    effects_.erase(alias);
    files_.erase(alias);
}

QSoundEffect* QtWaveBackend::find(const std::string& alias) const {
    const auto it = effects_.find(alias);
    return it == effects_.end() ? nullptr : it->second.get();
}

} // namespace hm

hm::WaveBackend* hangman_create_wave_backend() {
    return new hm::QtWaveBackend();
}
