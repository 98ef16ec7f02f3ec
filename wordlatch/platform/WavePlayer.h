// Plays the program's wave resources (":/WAVE_1" ...). One sound at a time:
// starting a sound stops the one still playing.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace wl {

class IWavePlayer {
public:
    virtual ~IWavePlayer() = default;
    // `name` is the resource name ("WAVE_1"). Asynchronous: returns at once;
    // synchronous: returns when the sound has finished.
    virtual void Play(const QString& name, bool synchronous) = 0;
};

// Plays through the player that `load` makes when the first sound is asked
// for, so nothing of the audio system is loaded before; silent when `load`
// makes none.
class TLazyWavePlayer : public IWavePlayer {
public:
    using TLoad = std::function<std::unique_ptr<IWavePlayer>()>;
    explicit TLazyWavePlayer(TLoad load = LoadSoundModule);
    void Play(const QString& name, bool synchronous) override;
    // The player of the program's sound module (wordlatch-sound beside it).
    static std::unique_ptr<IWavePlayer> LoadSoundModule();

private:
    TLoad Load;
    std::unique_ptr<IWavePlayer> Player;
};

// The format of a RIFF wave file, read from its header.
struct TWaveInfo {
    bool Valid = false; // RIFF/WAVE with "fmt " and "data" chunks
    int FormatTag = 0;  // 1 = uncompressed PCM
    int Channels = 0;
    int SampleRate = 0;
    int BitsPerSample = 0;
    qint64 DataBytes = 0; // size of the data chunk, clipped to the bytes present
    double Seconds() const;
};

TWaveInfo ReadWaveInfo(const QByteArray& bytes);

} // namespace wl
