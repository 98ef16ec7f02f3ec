// Any bytes as a puzzle file: parsing, the numbering walk and GetWord over every
// square must neither crash nor read outside the record.
#include "DemoProcsUnit.h"

#include <cstring>

namespace {

void Walk(const wl::TXwdPuzzle& p) {
    (void)wl::NumberGrid(p);
    (void)wl::GridComplete(p);
    for (int x = 1; x <= wl::MaxGridSize; ++x)
        for (int y = 1; y <= wl::MaxGridSize; ++y) {
            (void)wl::GetWord(p, x, y, 'a');
            (void)wl::GetWord(p, x, y, 'd');
        }
    for (const auto& clue : p.Clues) (void)clue.Text();
    (void)p.Byline.Text();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        Walk(wl::ParsePuzzle({data, size}));
    } catch (const wl::EInOutError&) {
    }
    // The rules must also hold up on a record whose side was never checked.
    wl::TXwdPuzzle raw{};
    std::memcpy(&raw, data, std::min(size, sizeof raw));
    Walk(raw);
    return 0;
}
