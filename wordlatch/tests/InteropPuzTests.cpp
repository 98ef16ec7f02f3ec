// The .puz file itself: checksums against a computation of the test's own,
// damaged, cut and forged files, locked solutions, and what writing refuses.
#include "Interop.h"
#include "InteropSamples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using namespace wl;
using namespace wl::testing;

namespace {

using Bytes = std::vector<std::uint8_t>;

// The format's checksum, written apart from the product's.
std::uint16_t Sum(const std::uint8_t* p, std::size_t n, std::uint16_t c = 0) {
    for (std::size_t i = 0; i < n; ++i) {
        const bool carry = c & 1;
        c = std::uint16_t(c >> 1);
        if (carry) c = std::uint16_t(c | 0x8000);
        c = std::uint16_t(c + p[i]);
    }
    return c;
}

// Recomputes every header checksum of a .puz file in place.
void Reseal(Bytes& f) {
    const std::size_t area = std::size_t(f[0x2C]) * f[0x2D];
    const std::size_t clues = std::size_t(f[0x2E] | f[0x2F] << 8);
    std::size_t pos = 0x34 + 2 * area;
    const auto string = [&] {
        const std::size_t start = pos;
        while (f[pos]) ++pos;
        ++pos;
        return std::pair{start, pos - start}; // with its NUL
    };
    std::vector<std::pair<std::size_t, std::size_t>> texts; // title, author, copyright, clues..., notes
    for (std::size_t i = 0; i < 3 + clues + 1; ++i) texts.push_back(string());
    const std::uint16_t cib = Sum(&f[0x2C], 8);
    const std::uint16_t sol = Sum(&f[0x34], area), grid = Sum(&f[0x34 + area], area);
    // The global sum runs on over the grids and texts from the header's; empty
    // texts other than clues are left out, clues count without their NUL.
    std::uint16_t part = 0, global = Sum(&f[0x34], 2 * area, cib);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const bool isClue = i >= 3 && i < 3 + clues;
        auto [at, n] = texts[i];
        if (n == 1 && !isClue) continue;
        part = Sum(&f[at], isClue ? n - 1 : n, part);
        global = Sum(&f[at], isClue ? n - 1 : n, global);
    }
    f[0] = std::uint8_t(global), f[1] = std::uint8_t(global >> 8);
    f[0x0E] = std::uint8_t(cib), f[0x0F] = std::uint8_t(cib >> 8);
    const std::uint16_t sums[4] = {cib, sol, grid, part};
    for (int i = 0; i < 4; ++i) {
        f[std::size_t(0x10 + i)] = std::uint8_t("ICHE"[i] ^ (sums[i] & 0xFF));
        f[std::size_t(0x14 + i)] = std::uint8_t("ATED"[i] ^ (sums[i] >> 8));
    }
}

// The solution's letters column by column; the grid is w x h from offset 0x34.
std::string ColumnLetters(const Bytes& f) {
    const int w = f[0x2C], h = f[0x2D];
    std::string s;
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            if (f[std::size_t(0x34 + y * w + x)] != '.') s += char(f[std::size_t(0x34 + y * w + x)]);
    return s;
}

Bytes Locked(Bytes f, int key) {
    const int w = f[0x2C], h = f[0x2D];
    const std::string letters = ColumnLetters(f);
    const std::string scrambled = ScrambleLetters(letters, key);
    std::size_t i = 0;
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            if (auto& c = f[std::size_t(0x34 + y * w + x)]; c != '.') c = std::uint8_t(scrambled[i++]);
    const std::uint16_t check = Sum(reinterpret_cast<const std::uint8_t*>(letters.data()), letters.size());
    f[0x1E] = std::uint8_t(check), f[0x1F] = std::uint8_t(check >> 8);
    f[0x32] = 4;
    Reseal(f);
    return f;
}

} // namespace

// The test's own sums agree with files made elsewhere and with every file written here.
TEST(PuzFile, ChecksumsAgreeWithAnIndependentComputation) {
    for (const char* name : {"test-simple.puz", "test.puz", "gaps.puz", "test-no-solution.puz"}) {
        Bytes f = FixtureBytes(name), resealed = f;
        Reseal(resealed);
        EXPECT_EQ(f, resealed) << name;
    }
    TXwdPuzzle empty = SamplePuzzle(13);
    for (int x = 1; x <= 13; ++x)
        for (int y = 1; y <= 13; ++y)
            if (!empty.IsBlack(x, y)) empty.Solution(x, y) = NoLetter;
    for (const TXwdPuzzle& p : {SamplePuzzle(5), SamplePuzzle(21), empty}) {
        const Bytes written = AsBytes(WritePuz(p, "A title"));
        Bytes resealed = written;
        Reseal(resealed);
        EXPECT_EQ(written, resealed) << p.GridSize;
    }
    const std::uint8_t abc[] = {'A', 'B', 'C'};
    EXPECT_EQ(PuzChecksum(abc), Sum(abc, 3));
}

// A damaged byte anywhere the sums cover refuses the file until the user says to open it anyway.
TEST(PuzFile, DamagedFilesAreRefusedWithTheChecksumMessage) {
    const Bytes good = FixtureBytes("test.puz");
    // global, CIB, each masked byte, a grid square, a clue letter, a byte of the GEXT section
    for (const std::size_t at : {0x00, 0x0E, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x3A, 0xC0,
                                 int(good.size()) - 3}) {
        Bytes f = good;
        f[at] ^= 0x01;
        const TReadResult r = ReadPuz(f);
        EXPECT_TRUE(r.ChecksumsFailed) << at;
        EXPECT_EQ(
            r.Error,
            "The checksums of the .puz file do not match its contents; the file may be damaged.")
            << at;
        EXPECT_TRUE(IsEmptyRecord(r.Puzzle)) << at;
        EXPECT_TRUE(ReadPuz(f, {.Key = {}, .IgnoreChecksums = true}).Ok()) << at;
    }
}

// Every cut of a file is refused or opens only what is whole; nothing is read past the end.
TEST(PuzFile, CutFilesAreRefused) {
    const Bytes good = FixtureBytes("test.puz");
    const std::size_t notesEnd = 0x189; // the NUL after the notes
    for (std::size_t n = 0; n < good.size(); ++n) {
        const Bytes cut(good.begin(), good.begin() + std::ptrdiff_t(n));
        const TReadResult r = ReadPuz(cut, {.Key = {}, .IgnoreChecksums = n >= notesEnd});
        EXPECT_TRUE(n >= notesEnd || !r.Ok()) << n;
        EXPECT_TRUE(r.Ok() || IsEmptyRecord(r.Puzzle)) << n;
    }
    EXPECT_EQ(ReadPuz(Bytes(good.begin(), good.begin() + 0x60)).Error,
              "The .puz file is cut short; it cannot be opened.");
    EXPECT_EQ(ReadPuz(Bytes(10, 0)).Error, "This is not a .puz crossword file.");
}

// Forged but well-sealed files: the header disagrees with what the record can hold.
TEST(PuzFile, ForgedHeadersAreRefused) {
    Bytes fewer = FixtureBytes("test-simple.puz");
    fewer[0x2E] = 9; // the tenth clue becomes the notes
    Reseal(fewer);
    EXPECT_EQ(ReadPuz(fewer).Error, "The file holds 9 clues but its grid has 10 words.");

    // Version 2.0 that holds Latin-1 bytes after all is read as Windows-1252.
    Bytes latin = FixtureBytes("test-iso-8859-1.puz");
    latin[0x18] = '2', latin[0x1A] = '0';
    Reseal(latin);
    const TReadResult latinRead = ReadPuz(latin);
    EXPECT_EQ(latinRead.Copyright, "\xC2\xA9 2018 Jeff Davidson");

    Bytes large(0x34 + 2 * 24 * 24, '-');
    std::memset(large.data(), 0, 0x34);
    std::memcpy(&large[2], "ACROSS&DOWN", 12);
    std::memcpy(&large[0x18], "1.3", 4);
    large[0x2C] = large[0x2D] = 24;
    large[0x30] = 1;
    std::fill(large.begin() + 0x34, large.begin() + 0x34 + 24 * 24, 'A');
    for (int i = 0; i < 4; ++i) large.push_back(0);
    Reseal(large);
    const TReadResult r = ReadPuz(large);
    EXPECT_EQ(r.Error, "The grid is 24 x 24 squares; Wordlatch puzzles are at most 23 x 23.");
    EXPECT_TRUE(IsEmptyRecord(r.Puzzle));
}

// A locked solution opens only with its key, checked against the file's own sum.
TEST(PuzFile, LockedSolutionsOpenOnlyWithTheirKey) {
    const TXwdPuzzle p = SamplePuzzle(11);
    const Bytes locked = Locked(AsBytes(WritePuz(p, "Locked")), 2843);
    EXPECT_NE(ColumnLetters(locked), ColumnLetters(AsBytes(WritePuz(p, "Locked"))));

    const TReadResult noKey = ReadPuz(locked);
    EXPECT_TRUE(noKey.KeyNeeded);
    EXPECT_NE(noKey.Error.find("four-digit key"), std::string::npos);
    EXPECT_TRUE(IsEmptyRecord(noKey.Puzzle));
    const TReadResult wrong = ReadPuz(locked, {.Key = 1234});
    EXPECT_TRUE(wrong.KeyNeeded);
    EXPECT_EQ(wrong.Error, "The key 1234 does not unlock this puzzle's solution.");
    EXPECT_TRUE(IsEmptyRecord(wrong.Puzzle));
    EXPECT_EQ(ReadPuz(locked, {.Key = 0}).Error,
              "The key 0000 does not unlock this puzzle's solution.");
    const TReadResult right = ReadPuz(locked, {.Key = 2843});
    ASSERT_TRUE(right.Ok()) << right.Error;
    EXPECT_TRUE(SameContent(p, right.Puzzle));

    for (const int key : {0, 1000, 2843, 9999})
        for (std::size_t n = 0; n <= 30; ++n) {
            std::string s;
            for (std::size_t i = 0; i < n; ++i) s += char('A' + (i * 11 + n) % 26);
            EXPECT_EQ(UnscrambleLetters(ScrambleLetters(s, key), key), s) << key << " " << n;
        }
}

// An empty grid is written in the "no solution" state; a half-filled one is refused.
TEST(PuzFile, IncompleteGridsFollowTheSolutionRule) {
    TXwdPuzzle p = SamplePuzzle(11);
    p.Solution(2, 3) = UnknownLetter; // "?" counts as filled
    const TReadResult marked = ReadPuz(AsBytes(WritePuz(p, "")));
    ASSERT_TRUE(marked.Ok());
    EXPECT_EQ(marked.Puzzle.Solution(2, 3), UnknownLetter);

    p.Solution(5, 2) = NoLetter;
    try {
        WritePuz(p, "");
        ADD_FAILURE() << "a half-filled grid was written";
    } catch (const EExchangeError& e) {
        EXPECT_NE(std::string(e.what()).find("square (5, 2) has no letter"), std::string::npos) << e.what();
    }
    EXPECT_NO_THROW(WriteIpuz(p, ""));

    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y)
            if (!p.IsBlack(x, y)) p.Solution(x, y) = NoLetter;
    const Bytes empty = AsBytes(WritePuz(p, ""));
    EXPECT_EQ(empty[0x32], 2);
    const TReadResult r = ReadPuz(empty);
    ASSERT_TRUE(r.Ok());
    EXPECT_TRUE(SameContent(p, r.Puzzle));
}
