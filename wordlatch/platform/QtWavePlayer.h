// The sound module of the program (libwordlatch-sound beside it): plays the
// wave resources through Qt Multimedia. The program reaches it through
// TLazyWavePlayer when the first sound plays.
#pragma once

#include "WavePlayer.h"

#include <map>

class QSoundEffect;

namespace wl {

// QSoundEffect on the Qt resources; silent where no audio output exists.
class TQtWavePlayer : public IWavePlayer {
public:
    // `hasOutput` tells whether an audio output exists, asked at every play
    // (by default: QMediaDevices lists one).
    explicit TQtWavePlayer(std::function<bool()> hasOutput = {});
    ~TQtWavePlayer() override;
    void Play(const QString& name, bool synchronous) override;
    // Whether the sound `name` was started and is still playing.
    bool IsPlaying(const QString& name) const;

private:
    QSoundEffect* Effect(const QString& name);
    std::function<bool()> HasOutput;
    std::map<QString, std::unique_ptr<QSoundEffect>> Effects;
    QSoundEffect* Current = nullptr;
};

} // namespace wl

// The module's entry point: a new player the caller owns.
extern "C" wl::IWavePlayer* wordlatch_create_wave_player();
