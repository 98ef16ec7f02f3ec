// Stand-in for the shared save policy until its implementation is built here:
// temporary file beside the target, then rename over it.
#include "SafeSave.h"

#include <cerrno>
#include <cstdio>
#include <fstream>

namespace puzzles {

void WriteWholeFile(const std::filesystem::path& target, std::string_view bytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const auto perms = fs::status(target, ec).permissions();
    if (!ec && fs::exists(target) &&
        (perms & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) ==
            fs::perms::none)
        throw ESaveError(EACCES, "Permission denied");
    fs::path temp = target;
    temp += ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) throw ESaveError(errno, "Permission denied");
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            fs::remove(temp, ec);
            throw ESaveError(EIO, "Input/output error");
        }
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        throw ESaveError(ec.value(), ec.message());
    }
}

void AppendToFile(const std::filesystem::path&, std::string_view, std::string_view) {
    throw ESaveError(ENOSYS, "Function not implemented");
}

} // namespace puzzles
