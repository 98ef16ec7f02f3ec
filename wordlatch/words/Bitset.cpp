#include "Bitset.h"

namespace wl {

// Counting bits is most of the fill's work: on x86-64 the processor's own
// instruction is chosen at load time where it has one.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
#define WL_COUNTING __attribute__((target_clones("popcnt", "default")))
#else
#define WL_COUNTING
#endif

WL_COUNTING std::size_t TBitset::Count() const {
    std::size_t n = 0;
    for (std::uint64_t b : Blocks) n += std::size_t(std::popcount(b));
    return n;
}

WL_COUNTING std::size_t TBitset::CountAnd(const TBitset& other) const {
    std::size_t n = 0;
    for (std::size_t k = 0; k < Blocks.size(); ++k) n += std::size_t(std::popcount(Blocks[k] & other.Blocks[k]));
    return n;
}

} // namespace wl
