// Where a program finds its own files: beside it in the build tree, or where
// an install put them relative to it, so that any prefix works:
// PREFIX/bin/PROGRAM finds PREFIX/share/NAME and PREFIX/lib/NAME.
// Standard C++ only.
#pragma once

#include <filesystem>
#include <string_view>

namespace puzzles {

// The data files (word lists, help, sounds) of the program in `programFolder`.
std::filesystem::path DataFolder(const std::filesystem::path& programFolder, std::string_view name);
// Its loadable modules.
std::filesystem::path ModuleFolder(const std::filesystem::path& programFolder, std::string_view name);

} // namespace puzzles
