#include "ProgramFolders.h"

namespace puzzles {

namespace {

std::filesystem::path Installed(const std::filesystem::path& programFolder, std::string_view kind,
                                std::string_view name) {
    std::error_code ec;
    const std::filesystem::path folder = programFolder.parent_path() / kind / name;
    return std::filesystem::is_directory(folder, ec) ? folder : programFolder;
}

} // namespace

std::filesystem::path DataFolder(const std::filesystem::path& programFolder, std::string_view name) {
    return Installed(programFolder, "share", name);
}

std::filesystem::path ModuleFolder(const std::filesystem::path& programFolder, std::string_view name) {
    return Installed(programFolder, "lib", name);
}

} // namespace puzzles
