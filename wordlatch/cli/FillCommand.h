// The fill tool's command line as a function, so it runs in tests as it runs
// in wordlatch-fill: arguments in, texts out, the exit code returned.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace wl {

// The exit codes besides 0 (filled).
inline constexpr int FillError = 1;
inline constexpr int FillNotFound = 3;

// The built-in word list of a program in `programFolder`.
std::filesystem::path BuiltinWordList(const std::filesystem::path& programFolder);

// Fills as `args` (without the program name) say, with the built-in list
// found beside the program in `programFolder`.
int RunFill(const std::vector<std::string>& args, const std::filesystem::path& programFolder,
            std::ostream& out, std::ostream& err);

} // namespace wl
