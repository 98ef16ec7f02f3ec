#include "PlayerFolder.h"

#include "ReadFile.h"
#include "SafeSave.h"

namespace hm {

std::filesystem::path PlayerFolder(const std::filesystem::path& current, const std::filesystem::path& userFolder,
                                   const std::filesystem::path& installed) {
    std::error_code ec;
    if (std::filesystem::exists(current / "wordlist.dat", ec)) return current;
    std::filesystem::create_directories(userFolder, ec);
    if (!std::filesystem::is_directory(userFolder, ec)) return current;
    for (const char* name : {"wordlist.dat", "topten.txt"}) {
        if (std::filesystem::exists(userFolder / name, ec)) continue;
        const puzzles::FileRead copy = puzzles::ReadWholeFile(installed / name);
        if (copy.Status != puzzles::ReadStatus::Read) continue;
        try {
            puzzles::WriteWholeFile(userFolder / name, copy.Bytes);
        } catch (const puzzles::ESaveError&) {
            // The game then says the file is missing, as it would anywhere.
        }
    }
    return userFolder;
}

} // namespace hm
