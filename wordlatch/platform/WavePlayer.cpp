#include "WavePlayer.h"

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

double TWaveInfo::Seconds() const {
    const int frameBytes = Channels * ((BitsPerSample + 7) / 8);
    if (!Valid || SampleRate <= 0 || frameBytes <= 0) return 0;
    return static_cast<double>(DataBytes / frameBytes) / SampleRate;
}

TWaveInfo ReadWaveInfo(const QByteArray& bytes) {
    TWaveInfo info;
    // Little-endian fields; every caller has checked that the bytes are there.
    const auto byte = [&](qsizetype at) { return quint32(static_cast<uchar>(bytes[at])); };
    const auto u16 = [&](qsizetype at) { return byte(at) | byte(at + 1) << 8; };
    const auto u32 = [&](qsizetype at) { return u16(at) | u16(at + 2) << 16; };
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return info;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 size = u32(at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= bytes.size()) {
            info.FormatTag = u16(body);
            info.Channels = u16(body + 2);
            info.SampleRate = static_cast<int>(u32(body + 4));
            info.BitsPerSample = u16(body + 14);
            haveFormat = true;
        } else if (id == "data") {
            info.DataBytes = std::min<qint64>(size, bytes.size() - body);
            info.Valid = haveFormat;
            return info;
        }
        at = body + size + (size & 1); // chunks are padded to even sizes
    }
    return info;
}

} // namespace wl
