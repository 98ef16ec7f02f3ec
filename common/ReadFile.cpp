#include "ReadFile.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

namespace puzzles {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

FileRead Failure(int code) {
    FileRead result;
    result.Status = code == ENOENT ? ReadStatus::Missing : ReadStatus::Failed;
    result.Code = code;
    result.Error = std::generic_category().message(code);
    return result;
}

} // namespace

// C streams rather than iostreams: a stream buffer that fails to read (a folder opens
// but cannot be read) throws from deep inside the standard library.
FileRead ReadWholeFile(const std::filesystem::path& file) {
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> f(std::fopen(file.c_str(), "rb"));
    if (!f) return Failure(errno ? errno : EIO);
    FileRead result;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) result.Bytes.append(buffer, n);
    if (std::ferror(f.get())) return Failure(errno ? errno : EIO);
    result.Status = ReadStatus::Read;
    return result;
}

} // namespace puzzles
