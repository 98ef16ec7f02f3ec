#include "WordIndex.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace wl {

namespace {

bool Better(const TWordEntry& a, const TWordEntry& b) {
    return a.Score != b.Score ? a.Score > b.Score : a.Word < b.Word;
}

// Whether `word` matches the glob `pattern` (upper case, `?` and `*`).
bool Glob(std::string_view pattern, std::string_view word) {
    std::size_t p = 0, w = 0, star = std::string_view::npos, resume = 0;
    while (w < word.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == word[w])) {
            ++p, ++w;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = w;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            w = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

} // namespace

TWordIndex::TWordIndex(std::vector<TWordEntry> entries) {
    for (TWordEntry& e : entries) {
        const std::size_t n = e.Word.size();
        if (e.Score > 0 && n >= std::size_t(MinWordLength) && n <= std::size_t(MaxWordLength))
            Groups[n].Words.push_back(std::move(e));
    }
    for (std::size_t n = MinWordLength; n <= std::size_t(MaxWordLength); ++n) {
        TGroup& g = Groups[n];
        // Sorting positions and moving each entry once is cheaper than
        // sorting the entries themselves.
        std::vector<std::uint32_t> order(g.Words.size());
        for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = i;
        std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            const TWordEntry &x = g.Words[a], &y = g.Words[b];
            return x.Score != y.Score ? x.Score > y.Score : std::memcmp(x.Word.data(), y.Word.data(), n) < 0;
        });
        std::vector<TWordEntry> sorted;
        sorted.reserve(order.size());
        for (std::uint32_t i : order) sorted.push_back(std::move(g.Words[i]));
        g.Words = std::move(sorted);
        g.Letters.assign(n * 26, TBitset(g.Words.size()));
        for (std::size_t i = 0; i < g.Words.size(); ++i)
            for (std::size_t pos = 0; pos < n; ++pos)
                g.Letters[pos * 26 + std::size_t(g.Words[i].Word[pos] - 'A')].Set(i);
        Total += g.Words.size();
    }
}

const std::vector<TWordEntry>& TWordIndex::OfLength(int n) const {
    static const std::vector<TWordEntry> none;
    return n >= MinWordLength && n <= MaxWordLength ? Groups[n].Words : none;
}

TBitset TWordIndex::AtLeast(int n, int minScore) const {
    const std::vector<TWordEntry>& words = OfLength(n);
    const auto end = std::partition_point(words.begin(), words.end(),
                                          [&](const TWordEntry& e) { return e.Score >= minScore; });
    return TBitset(words.size(), std::size_t(end - words.begin()));
}

TBitset TWordIndex::Fitting(std::string_view letters, int minScore) const {
    const int n = int(letters.size());
    if (OfLength(n).empty()) return {};
    TBitset fit = AtLeast(n, minScore);
    for (int pos = 0; pos < n; ++pos) {
        const char c = letters[std::size_t(pos)];
        if (c >= 'A' && c <= 'Z')
            fit &= WithLetter(n, pos, c);
        else if (c != '?')
            return TBitset(fit.Size()); // no word holds another character
    }
    return fit;
}

TWordIndex::TMatches TWordIndex::Match(std::string_view pattern, int minScore,
                                       std::size_t limit) const {
    std::string glob;
    for (char c : pattern)
        if (c != ' ' && !(c == '*' && !glob.empty() && glob.back() == '*'))
            glob += c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    const std::size_t firstStar = glob.find('*');
    const bool hasStar = firstStar != std::string::npos;
    // The letters before the first star and after the last one have fixed
    // places in a word of a given length: the bitsets find those words. Only
    // letters between two stars need each word to be looked at.
    const std::string_view head = std::string_view(glob).substr(0, hasStar ? firstStar : glob.size());
    const std::string_view tail =
        hasStar ? std::string_view(glob).substr(glob.rfind('*') + 1) : std::string_view();
    const bool exact = !hasStar || firstStar == glob.rfind('*');
    std::string middle = exact ? std::string() : glob.substr(firstStar + 1, glob.rfind('*') - firstStar - 1);
    std::sort(middle.begin(), middle.end());
    middle.erase(std::unique(middle.begin(), middle.end()), middle.end());
    std::size_t letters = 0;
    for (char c : glob) letters += c != '*';
    TMatches found;
    // Each length's matches, best first as the groups are kept.
    std::vector<std::vector<std::size_t>> matches(MaxWordLength + 1);
    for (int n = std::max<int>(MinWordLength, int(letters)); n <= MaxWordLength; ++n) {
        if (!hasStar && n != int(glob.size())) continue;
        std::string fixed(std::size_t(n), '?');
        fixed.replace(0, head.size(), head);
        fixed.replace(std::size_t(n) - tail.size(), tail.size(), tail);
        TBitset fit = Fitting(fixed, minScore);
        // A word matching has every letter between the stars somewhere.
        for (char c : middle) {
            if (c < 'A' || c > 'Z' || fit.None()) continue;
            TBitset somewhere(fit.Size());
            for (int pos = 0; pos < n; ++pos) somewhere |= WithLetter(n, pos, c);
            fit &= somewhere;
        }
        const std::vector<TWordEntry>& words = Groups[n].Words;
        if (exact) found.Found += fit.Count();
        std::vector<std::size_t>& kept = matches[std::size_t(n)];
        for (std::size_t i = fit.First(); i < fit.Size() && (!exact || kept.size() < limit);
             i = fit.Next(i + 1))
            if (exact || Glob(glob, words[i].Word)) kept.push_back(i);
        if (!exact) found.Found += kept.size();
    }
    // The best `limit` of all lengths, merged.
    std::vector<std::size_t> next(matches.size(), 0);
    while (found.Best.size() < limit) {
        const TWordEntry* best = nullptr;
        std::size_t from = 0;
        for (std::size_t n = 0; n < matches.size(); ++n) {
            if (next[n] == matches[n].size()) continue;
            const TWordEntry* e = &Groups[n].Words[matches[n][next[n]]];
            if (!best || Better(*e, *best)) best = e, from = n;
        }
        if (!best) break;
        ++next[from];
        found.Best.push_back(best);
    }
    return found;
}

} // namespace wl
