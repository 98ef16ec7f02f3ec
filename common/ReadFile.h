// The one way both programs read a data file whole, as bytes: every failure is
// a status and the system's text, never an exception or an abort.
// Standard C++ only.
#pragma once

#include <filesystem>
#include <string>

namespace puzzles {

enum class ReadStatus { Read, Missing, Failed };

struct FileRead {
    ReadStatus Status = ReadStatus::Failed;
    std::string Bytes; // the whole file when Read
    int Code = 0;      // the errno value otherwise (EISDIR for a folder in its place)
    std::string Error; // and the system's text for it ("Is a directory")
};

// A missing file is Missing; a folder in its place, a file that cannot be opened
// and an I/O error on the way are Failed.
FileRead ReadWholeFile(const std::filesystem::path& file);

} // namespace puzzles
