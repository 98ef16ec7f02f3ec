// Plays the program's wave resources (":/WAVE_1" ...). One sound at a time:
// starting a sound stops the one still playing.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <map>
#include <memory>

class QSoundEffect;

namespace wl {

class IWavePlayer {
public:
    virtual ~IWavePlayer() = default;
    // `name` is the resource name ("WAVE_1"). Asynchronous: returns at once;
    // synchronous: returns when the sound has finished.
    virtual void Play(const QString& name, bool synchronous) = 0;
};

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
