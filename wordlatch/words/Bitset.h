// A fixed-size set of bits over a list of words, with the few operations the
// searches need in their inner loops.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace wl {

class TBitset {
public:
    TBitset() = default;
    // `size` bits, the first `set` of them on.
    explicit TBitset(std::size_t size, std::size_t set = 0)
        : Blocks((size + 63) / 64, 0), Bits(size) {
        for (std::size_t i = 0; i < set / 64; ++i) Blocks[i] = ~std::uint64_t(0);
        if (set % 64) Blocks[set / 64] = (std::uint64_t(1) << (set % 64)) - 1;
    }

    std::size_t Size() const { return Bits; }
    bool Test(std::size_t i) const { return Blocks[i / 64] >> (i % 64) & 1; }
    void Set(std::size_t i) { Blocks[i / 64] |= std::uint64_t(1) << (i % 64); }
    void Reset(std::size_t i) { Blocks[i / 64] &= ~(std::uint64_t(1) << (i % 64)); }

    std::size_t Count() const;
    bool None() const {
        for (std::uint64_t b : Blocks)
            if (b) return false;
        return true;
    }
    // The first bit on, or Size() when none is.
    std::size_t First() const { return Next(0); }
    // The first bit on from `i` on, or Size().
    std::size_t Next(std::size_t i) const {
        if (i >= Bits) return Bits;
        std::size_t k = i / 64;
        std::uint64_t b = Blocks[k] & (~std::uint64_t(0) << (i % 64));
        while (!b) {
            if (++k == Blocks.size()) return Bits;
            b = Blocks[k];
        }
        return k * 64 + std::size_t(std::countr_zero(b));
    }
    // The number of bits on in both.
    std::size_t CountAnd(const TBitset& other) const;
    bool Intersects(const TBitset& other) const {
        for (std::size_t k = 0; k < Blocks.size(); ++k)
            if (Blocks[k] & other.Blocks[k]) return true;
        return false;
    }
    // Intersects, looking first at block `hint`, where the two last met, and
    // leaving in it where they meet now: a meeting seen once tends to stay.
    bool Intersects(const TBitset& other, std::uint32_t& hint) const {
        if (hint < Blocks.size() && (Blocks[hint] & other.Blocks[hint])) return true;
        for (std::size_t k = 0; k < Blocks.size(); ++k)
            if (Blocks[k] & other.Blocks[k]) {
                hint = std::uint32_t(k);
                return true;
            }
        return false;
    }
    // Every bit on here is on in `other` too.
    bool Within(const TBitset& other) const {
        for (std::size_t k = 0; k < Blocks.size(); ++k)
            if (Blocks[k] & ~other.Blocks[k]) return false;
        return true;
    }
    TBitset& operator&=(const TBitset& other) {
        for (std::size_t k = 0; k < Blocks.size(); ++k) Blocks[k] &= other.Blocks[k];
        return *this;
    }
    TBitset& operator|=(const TBitset& other) {
        for (std::size_t k = 0; k < Blocks.size(); ++k) Blocks[k] |= other.Blocks[k];
        return *this;
    }
    // Removes the bits `other` has.
    TBitset& Subtract(const TBitset& other) {
        for (std::size_t k = 0; k < Blocks.size(); ++k) Blocks[k] &= ~other.Blocks[k];
        return *this;
    }
    void Clear() { std::fill(Blocks.begin(), Blocks.end(), 0); }
    bool operator==(const TBitset&) const = default;

private:
    std::vector<std::uint64_t> Blocks;
    std::size_t Bits = 0;
};

} // namespace wl
