#include "PrintSettings.h"

#include <vector>

namespace wl {

std::array<std::string, 4> AuthorBlock(const TPrintSettings& settings) {
    std::vector<std::string> lines{settings.Name};
    for (const std::string& line : settings.Address)
        if (line.find_first_not_of(' ') != std::string::npos) lines.push_back(line);
    if (lines.size() > 4) {
        lines[3] += ", " + lines[4];
        lines.resize(4);
    }
    lines.resize(4);
    return {lines[0], lines[1], lines[2], lines[3]};
}

} // namespace wl
