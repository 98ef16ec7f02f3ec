// Where the game keeps the player's word list and top-ten table.
#pragma once

#include <filesystem>

namespace hm {

// `current` when it holds a wordlist.dat (the game started in its own folder);
// else `userFolder`, made when missing and given the installed copies of
// wordlist.dat and topten.txt from `installed` that it lacks, so that the
// player's words and scores are kept and never written under the install.
// `current` again when the user's folder cannot be made.
std::filesystem::path PlayerFolder(const std::filesystem::path& current, const std::filesystem::path& userFolder,
                                   const std::filesystem::path& installed);

} // namespace hm
