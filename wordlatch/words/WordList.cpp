#include "WordList.h"

#include "CodePage1252.h"
#include "ReadFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <utility>

namespace wl {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The loader reads a file in slices of this many bytes, reporting progress and
// looking at `cancel` between them.
constexpr std::size_t SliceBytes = 256 * 1024;

// The base letters of U+00C0..U+017F, sixteen a row; '.' for what is no letter
// (multiplication and division signs) and for the letters written as two, which
// TwoLetters gives.
constexpr std::string_view LatinBase = "AAAAAA.CEEEEIIII"
                                       "DNOOOOO.OUUUUY.."
                                       "AAAAAA.CEEEEIIII"
                                       "DNOOOOO.OUUUUY.Y"
                                       "AAAAAACCCCCCCCDD"
                                       "DDEEEEEEEEEEGGGG"
                                       "GGGGHHHHIIIIIIII"
                                       "II..JJKKKLLLLLLL"
                                       "LLLNNNNNNNNNOOOO"
                                       "OO..RRRRRRSSSSSS"
                                       "SSTTTTTTUUUUUUUU"
                                       "UUUUWWYYYZZZZZZS";
constexpr char32_t LatinFirst = 0xC0;

std::string_view TwoLetters(char32_t c) {
    if (c == 0xC6 || c == 0xE6) return "AE";
    if (c == 0xDE || c == 0xFE) return "TH";
    if (c == 0xDF) return "SS";
    if (c == 0x132 || c == 0x133) return "IJ";
    if (c == 0x152 || c == 0x153) return "OE";
    return {};
}

constexpr std::string_view Capitals = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// The capital of each byte that is an ASCII letter, else 0.
constexpr std::array<char, 256> AsciiCapitals = [] {
    std::array<char, 256> capitals{};
    for (std::size_t k = 0; k < Capitals.size(); ++k)
        capitals[std::size_t('a') + k] = capitals[std::size_t('A') + k] = Capitals[k];
    return capitals;
}();

// What code point c folds to: its base letter or letters; none for a space, hyphen,
// apostrophe or a combining accent (text written decomposed); nullopt when c has
// no place in a word.
std::optional<std::string_view> Folded(char32_t c) {
    if (c >= 'a' && c <= 'z') return Capitals.substr(c - 'a', 1);
    if (c >= 'A' && c <= 'Z') return Capitals.substr(c - 'A', 1);
    if (c == ' ' || c == '\t' || c == '-' || c == '\'' || c == 0xA0 || c == 0x2019) return "";
    if (c >= 0x300 && c < 0x370) return "";
    if (c < LatinFirst || c >= LatinFirst + LatinBase.size()) return std::nullopt;
    if (const std::string_view two = TwoLetters(c); !two.empty()) return two;
    if (LatinBase[c - LatinFirst] == '.') return std::nullopt;
    return LatinBase.substr(c - LatinFirst, 1);
}

// The continuation bytes a UTF-8 lead byte announces; -1 for a byte that cannot
// lead (C0 and C1 would only start overlong forms).
int Continuations(unsigned lead) {
    if (lead < 0x80) return 0;
    if (lead < 0xC2) return -1;
    if (lead < 0xE0) return 1;
    if (lead < 0xF0) return 2;
    return lead < 0xF5 ? 3 : -1;
}

// Decodes the UTF-8 sequence at p into c: its length, or 0 when it is malformed
// (cut short, overlong, a surrogate or past U+10FFFF).
int DecodeUtf8(const unsigned char* p, const unsigned char* end, char32_t& c) {
    const unsigned lead = *p;
    const int extra = Continuations(lead);
    if (extra < 0 || end - p <= extra) return 0;
    c = lead & (0x7Fu >> extra);
    for (int k = 1; k <= extra; ++k) {
        if ((p[k] & 0xC0) != 0x80) return 0;
        c = c << 6 | (p[k] & 0x3Fu);
    }
    constexpr char32_t Least[] = {0, 0x80, 0x800, 0x10000};
    if (c < Least[extra] || (c >= 0xD800 && c < 0xE000) || c > 0x10FFFF) return 0;
    return extra + 1;
}

bool IsUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        // Lists are mostly ASCII: pass over it eight bytes at a time.
        if (end - p >= 8) {
            std::uint64_t eight;
            std::memcpy(&eight, p, 8);
            if (!(eight & 0x8080808080808080u)) {
                p += 8;
                continue;
            }
        }
        char32_t c;
        const int n = DecodeUtf8(p, end, c);
        if (!n) return false;
        p += n;
    }
    return true;
}

// Reads the score after a ';': a whole number 0..100, spaces around it allowed.
bool ReadScore(std::string_view text, int& score) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    if (text.empty()) return false;
    score = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        score = score * 10 + (c - '0');
        if (score > 100) return false;
    }
    return true;
}

// memchr's pace, well ahead of a loop over the bytes.
std::size_t LineCount(std::string_view bytes) {
    std::size_t lines = 1;
    for (std::size_t at = bytes.find('\n'); at != bytes.npos; at = bytes.find('\n', at + 1))
        ++lines;
    return lines;
}

constexpr std::uint64_t HashHalf = 0xFFFFFFFF00000000u;

std::uint64_t HashOf(std::string_view word) {
    return std::hash<std::string_view>{}(word);
}

// A list's bytes read line by line, in slices when the caller wants to look up
// between them.
class TListReader {
public:
    explicit TListReader(std::string_view bytes)
        : Bytes(bytes), Next(bytes.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0),
          Utf8(IsUtf8(bytes.substr(Next))) {}

    bool AtEnd() const { return Next == Bytes.size(); }
    std::size_t Position() const { return Next; }

    // Reads whole lines until at least `budget` more bytes are read or the end.
    void Read(TListRead& into, std::size_t budget) {
        const std::size_t stop = budget < Bytes.size() - Next ? Next + budget : Bytes.size();
        while (Next < stop) {
            std::size_t end = Bytes.find('\n', Next);
            if (end == std::string_view::npos) end = Bytes.size();
            std::string_view line = Bytes.substr(Next, end - Next);
            Next = std::min(end + 1, Bytes.size());
            if (line.ends_with('\r')) line.remove_suffix(1);
            if (!ReadLine(line, into.Entries)) ++into.Skipped;
        }
    }

private:
    bool ReadLine(std::string_view line, std::vector<TWordEntry>& entries) const {
        const auto* p = reinterpret_cast<const unsigned char*>(line.data());
        const auto* end = p + line.size();
        char word[MaxWordLength];
        std::size_t size = 0; // a local, not a member of a helper: it stays in a register
        for (;;) {
            // Plain ASCII letters, nearly every byte of a list, go straight in; anything
            // else is decoded and folded.
            for (char capital; p < end && (capital = AsciiCapitals[*p]); ++p) {
                if (size == MaxWordLength) return false;
                word[size++] = capital;
            }
            if (p == end || *p == ';') break;
            char32_t c = CodePointOf1252(*p);
            int n = 1;
            if (Utf8) n = DecodeUtf8(p, end, c);
            const std::optional<std::string_view> letters = n ? Folded(c) : std::nullopt;
            if (!letters || letters->size() > MaxWordLength - size) return false;
            for (const char l : *letters) word[size++] = l;
            p += n;
        }
        int score = DefaultWordScore;
        const std::size_t semicolon = std::size_t(reinterpret_cast<const char*>(p) - line.data());
        if (p < end && !ReadScore(line.substr(semicolon + 1), score)) return false;
        if (size < MinWordLength) return false;
        TWordEntry& entry = entries.emplace_back();
        entry.Word.assign(word, size);
        entry.Score = score;
        return true;
    }

    std::string_view Bytes;
    std::size_t Next;
    bool Utf8; // else Windows-1252
};

} // namespace

TListRead ParseWordList(std::string_view bytes) {
    TListRead read;
    read.Entries.reserve(LineCount(bytes));
    TListReader(bytes).Read(read, bytes.size());
    return read;
}

void TDictionary::Add(const std::string& path, const TListRead& list) {
    Merge(list.Entries);
    Loaded.push_back({path, int(list.Entries.size()), list.Skipped, {}});
}

void TDictionary::AddFailed(const std::string& path, const std::string& error) {
    Loaded.push_back({path, 0, 0, error});
}

void TDictionary::Merge(const std::vector<TWordEntry>& entries) {
    Reserve(entries.size());
    for (const TWordEntry& e : entries) {
        const std::uint64_t hash = HashOf(e.Word);
        std::uint64_t& slot = SlotOf(e.Word, hash);
        if (slot) {
            Words[std::uint32_t(slot) - 1].Score = e.Score;
        } else if (e.Score > 0) {
            Words.push_back(e);
            slot = (hash & HashHalf) | Words.size();
        }
    }
}

void TDictionary::Reserve(std::size_t more) {
    const std::size_t wanted = Words.size() + more;
    if (wanted > Words.capacity()) Words.reserve(std::max(wanted, 2 * Words.capacity()));
    // A quarter of the slots free, and never none: every search ends at a free slot.
    if (const std::size_t slots = std::bit_ceil(wanted + wanted / 3 + 1); slots > Slots.size())
        Rehash(slots);
}

void TDictionary::Rehash(std::size_t slots) {
    Slots.assign(slots, 0);
    for (std::size_t k = 0; k < Words.size(); ++k) {
        const std::uint64_t hash = HashOf(Words[k].Word);
        SlotOf(Words[k].Word, hash) = (hash & HashHalf) | (k + 1);
    }
}

std::uint64_t& TDictionary::SlotOf(std::string_view word, std::uint64_t hash) {
    const std::size_t mask = Slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        std::uint64_t& slot = Slots[i];
        // The hash's half first: a word of the table is read only when that matches.
        if (!slot ||
            ((slot & HashHalf) == (hash & HashHalf) && Words[std::uint32_t(slot) - 1].Word == word))
            return slot;
    }
}

std::vector<TWordEntry> TDictionary::Entries() const& {
    std::vector<TWordEntry> out;
    out.reserve(Words.size());
    for (const TWordEntry& e : Words)
        if (e.Score > 0) out.push_back(e);
    return out;
}

std::vector<TWordEntry> TDictionary::Entries() && {
    std::erase_if(Words, [](const TWordEntry& e) { return e.Score == 0; });
    Slots.clear();
    return std::exchange(Words, {});
}

TDictionary LoadDictionary(const std::vector<std::string>& paths,
                           const std::function<void(double)>& progress,
                           const std::atomic<bool>* cancel) {
    std::vector<std::uintmax_t> sizes;
    std::uintmax_t total = 0;
    for (const std::string& path : paths) {
        std::error_code ec;
        const std::uintmax_t size = fs::file_size(path, ec);
        sizes.push_back(ec ? 0 : size);
        total += sizes.back();
    }
    std::uintmax_t done = 0;
    const auto report = [&](std::uintmax_t at) {
        if (progress) progress(total ? std::min(1.0, double(at) / double(total)) : 1.0);
    };
    const auto cancelled = [cancel] { return cancel && cancel->load(); };

    TDictionary d;
    TListRead slice;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (cancelled()) return d;
        const puzzles::FileRead file = puzzles::ReadWholeFile(paths[i]);
        if (file.Status != puzzles::ReadStatus::Read) {
            d.AddFailed(paths[i], file.Error);
        } else {
            TListReader reader(file.Bytes);
            TLoadedList loaded{paths[i], 0, 0, {}};
            d.Reserve(LineCount(file.Bytes));
            while (!reader.AtEnd()) {
                if (cancelled()) return d;
                slice.Entries.clear();
                slice.Skipped = 0;
                reader.Read(slice, SliceBytes);
                d.Merge(slice.Entries);
                loaded.Entries += int(slice.Entries.size());
                loaded.Skipped += slice.Skipped;
                report(done + std::min<std::uintmax_t>(reader.Position(), sizes[i]));
            }
            d.Loaded.push_back(std::move(loaded));
        }
        done += sizes[i];
        report(done);
    }
    return d;
}

std::string UserListFolder() {
    fs::path base;
    // A relative XDG_DATA_HOME is to be ignored, as an unset one.
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && fs::path(data).is_absolute())
        base = data;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".local" / "share";
    else
        return {};
    return (base / "wordlatch" / "wordlists").string();
}

std::vector<std::string> ListFilesIn(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        // Hidden files are the desktop's and editors' own (.directory, .swp), not lists.
        if (it->path().filename().string().starts_with('.')) continue;
        std::error_code typeError; // a broken link is no file, not the end of the folder
        if (it->is_regular_file(typeError)) files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace wl
