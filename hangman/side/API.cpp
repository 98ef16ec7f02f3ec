#include "API.h"

namespace hm {

void API::openSounds() {
    const std::string dir = programDir_.string();
    for (const SoundFile& sound : SoundFiles) {
        const std::string command = "Open \"" + dir +
                                    std::string(1, std::filesystem::path::preferred_separator) +
                                    sound.file + "\" Type WaveAudio Alias " + sound.alias;
        mciResult = static_cast<std::int32_t>(mci_.mciSendString(command));
    }
    // Only the last file's result decides, as the callers have always relied on.
    if (mciResult == MciOk || mciResult == MciFileNotFound || mciResult == MciDuplicateAlias)
        soundsReady = true;
}

void API::playSound(const std::string& name) {
    if (!soundsReady) openSounds();
    if (!soundsReady) return;
    mci_.mciSendString("Seek th20" + name + " To 0");
    mci_.mciSendString("Play th20" + name);
}

void API::closeSounds() {
    for (const char* alias : {"th20Badsnd1", "th20Badsnd2", "th20Badsnd3", "th20GoodSnd1",
                              "th20GoodSnd2", "th20GoodSnd3"})
        mci_.mciSendString(std::string("Close ") + alias);
}

} // namespace hm
