// The program's command line: a puzzle to open at start, for solving (what a
// double-click in a file manager wants) or with --edit for construction; and
// --help and --version, answered before any window exists.
#pragma once

#include <string>
#include <vector>

namespace wl {

struct TCommandLine {
    enum TAction { Run, Help, Version, Wrong } Action = Run;
    std::string File; // empty: start without a puzzle
    bool Edit = false;
    std::string Text; // what Help, Version and Wrong print
};

// `args` without the program's name; `version` as "4.0".
TCommandLine ParseCommandLine(const std::vector<std::string>& args, const std::string& version);

} // namespace wl
