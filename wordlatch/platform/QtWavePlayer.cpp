#include "QtWavePlayer.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace wl {

TQtWavePlayer::TQtWavePlayer(std::function<bool()> hasOutput) : HasOutput(std::move(hasOutput)) {
    if (!HasOutput) HasOutput = [] { return !QMediaDevices::audioOutputs().isEmpty(); };
}
TQtWavePlayer::~TQtWavePlayer() = default;

QSoundEffect* TQtWavePlayer::Effect(const QString& name) {
    auto found = Effects.find(name);
    if (found != Effects.end()) return found->second.get();
    if (!QFile::exists(":/" + name)) return nullptr;
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl("qrc:/" + name));
    return Effects.emplace(name, std::move(effect)).first->second.get();
}

void TQtWavePlayer::Play(const QString& name, bool synchronous) {
    if (Current) Current->stop();
    Current = nullptr;
    if (!HasOutput()) return;
    QSoundEffect* effect = Effect(name);
    if (!effect) return;
    Current = effect;
    effect->play();
    // A sound that failed to load refuses to play: nothing to wait for.
    if (!synchronous || !effect->isPlaying()) return;

    // Wait for the end without taking user input, as a blocking call would; the
    // sound's own length (plus a margin) bounds the wait if no end is reported.
    QFile file(":/" + name);
    const double seconds =
        file.open(QIODevice::ReadOnly) ? ReadWaveInfo(file.readAll()).Seconds() : 0;
    QEventLoop loop;
    QObject::connect(effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect->isPlaying()) loop.quit();
    });
    QObject::connect(effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect->status() == QSoundEffect::Error) loop.quit();
    });
    QTimer::singleShot(static_cast<int>(seconds * 1000) + 1000, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

bool TQtWavePlayer::IsPlaying(const QString& name) const {
    auto found = Effects.find(name);
    return found != Effects.end() && found->second->isPlaying();
}

} // namespace wl

wl::IWavePlayer* wordlatch_create_wave_player() {
    return new wl::TQtWavePlayer();
}
