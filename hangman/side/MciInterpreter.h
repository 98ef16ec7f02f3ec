// A media control command-string interpreter for wave files: "open", "seek ... to",
// "play" and "close" by alias, with the numeric result codes callers rely on.
// Standard C++ only; the sound itself goes to a WaveBackend.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace hm {

// Result codes of a command string.
inline constexpr std::uint32_t MciOk = 0;
inline constexpr std::uint32_t MciUnrecognizedKeyword = 259;
inline constexpr std::uint32_t MciUnrecognizedCommand = 261;
inline constexpr std::uint32_t MciInvalidDeviceName = 263; // no such alias
inline constexpr std::uint32_t MciFileNotFound = 275;
inline constexpr std::uint32_t MciDuplicateAlias = 289;

// Where the sound is made. Implementations stay silent on any failure of their own
// (unplayable file, no audio device). Aliases arrive in lower case.
class WaveBackend {
public:
    virtual ~WaveBackend() = default;
    virtual void open(const std::string& alias, const std::filesystem::path& file) = 0;
    virtual void rewind(const std::string& alias) = 0;
    virtual void play(const std::string& alias) = 0; // returns at once
    virtual void close(const std::string& alias) = 0;
};

// Anything that takes command strings: the interpreter, or a scripted stand-in.
class MciSender {
public:
    virtual ~MciSender() = default;
    virtual std::uint32_t mciSendString(const std::string& command) = 0;
};

class MciInterpreter : public MciSender {
public:
    explicit MciInterpreter(WaveBackend* backend = nullptr) : backend_(backend) {}

    // Keywords and aliases are case-insensitive; a file name may be quoted.
    //   open "<file>" [type waveaudio] [alias <name>]   275 missing file, 289 alias in use
    //   seek <alias> to 0|start                          263 unknown alias
    //   play <alias>
    //   close <alias>|all
    std::uint32_t mciSendString(const std::string& command) override;

    bool isOpen(const std::string& alias) const;
    // Every command string received, in order.
    const std::vector<std::string>& commandLog() const { return log_; }

private:
    std::uint32_t open(const std::vector<std::string>& words);
    std::uint32_t onAlias(const std::vector<std::string>& words);

    WaveBackend* backend_;
    std::map<std::string, std::filesystem::path> open_; // lower-case alias -> file
    std::vector<std::string> log_;
};

} // namespace hm
