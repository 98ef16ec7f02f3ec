// What both command-line tools ask of their IN and OUT arguments.
#pragma once

#include <string>
#include <vector>

namespace wl {

// Empty when `files` are two puzzle files told by their extensions, else the reason.
std::string CheckInAndOut(const std::vector<std::string>& files, const char* usage);

} // namespace wl
