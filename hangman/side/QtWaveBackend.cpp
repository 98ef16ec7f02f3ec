#include "QtWaveBackend.h"

#include <QSoundEffect>
#include <QString>
#include <QUrl>

namespace hm {

QtWaveBackend::QtWaveBackend() = default;
QtWaveBackend::~QtWaveBackend() = default;

// QSoundEffect decodes the wave itself and plays through Qt's own audio output
// (once loaded, when asked before); without a device it stays silent. The
// program opens its sounds here only when the first one plays (LazyWaveBackend).
void QtWaveBackend::open(const std::string& alias, const std::filesystem::path& file) {
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    effects_[alias] = std::move(effect);
}

void QtWaveBackend::rewind(const std::string& alias) {
    if (QSoundEffect* effect = find(alias)) effect->stop();
}

void QtWaveBackend::play(const std::string& alias) {
    if (QSoundEffect* effect = find(alias)) effect->play();
}

void QtWaveBackend::close(const std::string& alias) {
    effects_.erase(alias);
}

QSoundEffect* QtWaveBackend::find(const std::string& alias) const {
    const auto it = effects_.find(alias);
    return it == effects_.end() ? nullptr : it->second.get();
}

} // namespace hm

hm::WaveBackend* hangman_create_wave_backend() {
    return new hm::QtWaveBackend();
}
