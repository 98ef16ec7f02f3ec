// wordlatch-convert: converts a crossword between .xwd, .puz and .ipuz, the
// formats told by the file extensions, through the same reader and writers
// as the program's windows.
#include "ConvertCommand.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    try {
        return wl::RunConvert({argv + 1, argv + argc}, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "wordlatch-convert: " << e.what() << "\n";
        return 1;
    }
}
