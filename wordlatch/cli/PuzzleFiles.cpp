#include "PuzzleFiles.h"

#include "Interop.h"

namespace wl {

std::string CheckInAndOut(const std::vector<std::string>& files, const char* usage) {
    if (files.size() != 2) return std::string("expected IN and OUT\n") + usage;
    if (!FormatOfFile(files[0]) || !FormatOfFile(files[1]))
        return "the files must end in .xwd, .puz or .ipuz";
    return {};
}

} // namespace wl
