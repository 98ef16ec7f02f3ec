#include "WavePlayer.h"

#include "SoundModule.h"


namespace wl {

TLazyWavePlayer::TLazyWavePlayer(TLoad load) : Load(std::move(load)) {}

void TLazyWavePlayer::Play(const QString& name, bool synchronous) {
    if (Load) {
        Player = Load();
        Load = nullptr; // one try: a missing module stays silent
    }
    if (Player) Player->Play(name, synchronous);
}

std::unique_ptr<IWavePlayer> TLazyWavePlayer::LoadSoundModule() {
    using TCreate = IWavePlayer* (*)();
    const auto create = reinterpret_cast<TCreate>(
        puzzles::SoundModuleFunction(puzzles::ProgramModules("wordlatch"), "wordlatch-sound",
                                     "wordlatch_create_wave_player"));
    return std::unique_ptr<IWavePlayer>(create ? create() : nullptr);
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
