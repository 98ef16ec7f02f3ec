// The one way both programs write a file: whole or not at all, keeping what the
// user set up around it (links, permission bits, owner, hard links).
// Standard C++ and POSIX only: no window system here.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace puzzles {

// A write that failed; what() is the system's error text ("Permission denied"),
// Code() the errno value behind it. The file is as it was before the call.
class ESaveError : public std::runtime_error {
public:
    ESaveError(int code, const std::string& text) : std::runtime_error(text), code_(code) {}
    int Code() const { return code_; }

private:
    int code_;
};

// Replaces the contents of target with bytes. Follows symbolic links to the real
// file (the link stays a link); refuses a file without any write bit (EACCES,
// also for root); writes a uniquely named temporary file beside the real file
// with its permission bits and owner, fsyncs it, renames it over the file and
// fsyncs the folder. Where no temporary file can be made beside it (a read-only
// folder) but the file itself is writable, or where the file has other hard
// links, the file is rewritten in place and its old bytes are put back if that
// fails. Raises ESaveError; on any failure the file is byte-identical to before
// and no temporary file remains.
void WriteWholeFile(const std::filesystem::path& target, std::string_view bytes);

// Appends record to target (created when missing) with one write and an fsync.
// When the file does not end in CR or LF, lineBreak goes before the record so
// the last line keeps its own. A failed or short write truncates the file back
// to its old length (a file the call created is removed). Raises ESaveError.
void AppendToFile(const std::filesystem::path& target, std::string_view record,
                  std::string_view lineBreak = "\r\n");

// True when a and b name one file on disk (the same device and inode), however
// they are spelt: through a symbolic link, a hard link or another relative path.
// False when either does not exist.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace puzzles
