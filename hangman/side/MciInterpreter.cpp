#include "MciInterpreter.h"

#include "WordList.h"

#include <fstream>

namespace hm {

namespace {

// Splits at blanks; a double-quoted part is one word without its quotes.
std::vector<std::string> splitCommand(const std::string& command) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < command.size()) {
        if (command[i] == ' ' || command[i] == '\t') {
            ++i;
        } else if (command[i] == '"') {
            const std::size_t close = command.find('"', i + 1);
            const std::size_t end = close == std::string::npos ? command.size() : close;
            words.push_back(command.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            const std::size_t end = command.find_first_of(" \t", i);
            words.push_back(command.substr(i, end - i));
            i = end == std::string::npos ? command.size() : end;
        }
    }
    return words;
}

bool readable(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::is_regular_file(file, ec) && std::ifstream(file).good();
}

} // namespace

std::uint32_t MciInterpreter::mciSendString(const std::string& command) {
    log_.push_back(command);
    const std::vector<std::string> words = splitCommand(command);
    if (words.empty()) return MciUnrecognizedCommand;
    return lowerCase(words[0]) == "open" ? open(words) : onAlias(words);
}

bool MciInterpreter::isOpen(const std::string& alias) const {
    return open_.contains(lowerCase(alias));
}

std::uint32_t MciInterpreter::open(const std::vector<std::string>& words) {
    if (words.size() < 2) return MciUnrecognizedKeyword;
    const std::filesystem::path file = words[1];
    std::string alias = lowerCase(words[1]); // without an alias the element names the device
    for (std::size_t i = 2; i < words.size(); i += 2) {
        const std::string keyword = lowerCase(words[i]);
        if (i + 1 >= words.size()) return MciUnrecognizedKeyword;
        const std::string value = lowerCase(words[i + 1]);
        if (keyword == "alias") {
            alias = value;
        } else if (keyword != "type" || value != "waveaudio") {
            return MciUnrecognizedKeyword;
        }
    }
    if (open_.contains(alias)) return MciDuplicateAlias;
    if (!readable(file)) return MciFileNotFound;
    open_.emplace(alias, file);
    if (backend_) backend_->open(alias, file);
    return MciOk;
}

std::uint32_t MciInterpreter::onAlias(const std::vector<std::string>& words) {
    const std::string verb = lowerCase(words[0]);
    if (verb != "seek" && verb != "play" && verb != "close") return MciUnrecognizedCommand;
    if (words.size() < 2) return MciInvalidDeviceName;
    const std::string alias = lowerCase(words[1]);

    if (verb == "close" && alias == "all" && words.size() == 2) {
        for (const auto& entry : open_)
            if (backend_) backend_->close(entry.first);
        open_.clear();
        return MciOk;
    }
    if (!open_.contains(alias)) return MciInvalidDeviceName;

    if (verb == "seek") {
        const bool toStart = words.size() == 4 && lowerCase(words[2]) == "to" &&
                             (words[3] == "0" || lowerCase(words[3]) == "start");
        if (!toStart) return MciUnrecognizedKeyword;
        if (backend_) backend_->rewind(alias);
        return MciOk;
    }
    if (words.size() != 2) return MciUnrecognizedKeyword;
    if (verb == "play") {
        if (backend_) backend_->play(alias);
    } else {
        if (backend_) backend_->close(alias);
        open_.erase(alias);
    }
    return MciOk;
}

} // namespace hm
