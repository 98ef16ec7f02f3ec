// wordlatch-fill: fills the empty squares of a crossword from word lists, with
// the same solver as the program's Dictionary window.
#include "FillCommand.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    try {
        std::error_code ec;
        const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
        return wl::RunFill({argv + 1, argv + argc}, ec ? std::filesystem::path(argv[0]).parent_path() : self.parent_path(),
                           std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "wordlatch-fill: " << e.what() << "\n";
        return wl::FillError;
    }
}
