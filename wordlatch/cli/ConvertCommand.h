// The converter's command line as a function, so it runs in tests as it runs
// in wordlatch-convert: arguments in, texts out, the exit code returned.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace wl {

// Converts as `args` (without the program name) say; returns 0 on success and
// 1 after a message on `err` for every failure.
int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace wl
