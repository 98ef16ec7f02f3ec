#include "WordNet.h"

#include "ReadFile.h"

#include <cerrno>
#include <cstring>
#include <limits>
#include <system_error>

namespace wl {

namespace fs = std::filesystem;

namespace {

constexpr const char* FileSuffixes[WordClassCount] = {"noun", "verb", "adj", "adv"};

std::vector<std::string_view> Tokens(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t start = 0;
    while ((start = text.find_first_not_of(' ', start)) != std::string_view::npos) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        tokens.push_back(text.substr(start, end - start));
        start = end;
    }
    return tokens;
}

std::optional<TWordClass> ClassOf(std::string_view pos) {
    if (pos == "n") return TWordClass::Noun;
    if (pos == "v") return TWordClass::Verb;
    if (pos == "a" || pos == "s") return TWordClass::Adjective;
    if (pos == "r") return TWordClass::Adverb;
    return std::nullopt;
}

// "ice cream" for "Ice_Cream"; an adjective's marker ("fast(a)") goes.
std::string Spelling(std::string_view lemma) {
    if (lemma.ends_with(')')) lemma = lemma.substr(0, lemma.rfind('('));
    std::string s(lemma);
    for (char& c : s) {
        if (c == '_') c = ' ';
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    }
    return s;
}

} // namespace

const char* WordClassName(TWordClass c) {
    static constexpr const char* Names[WordClassCount] = {"noun", "verb", "adjective", "adverb"};
    return Names[int(c)];
}

TWordNet::TWordNet(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        Trouble.push_back(folder.string() + ": no such folder");
        return;
    }
    for (int c = 0; c < WordClassCount; ++c) {
        const fs::path indexPath = folder / (std::string("index.") + FileSuffixes[c]);
        const puzzles::FileRead file = puzzles::ReadWholeFile(indexPath);
        if (file.Status != puzzles::ReadStatus::Read) {
            Trouble.push_back(indexPath.string() + ": " + file.Error);
        } else if (file.Bytes.size() >= std::numeric_limits<std::uint32_t>::max() - Index.size()) {
            Trouble.push_back(indexPath.string() + ": too large for an index");
        } else {
            std::size_t line = Index.size();
            Index += file.Bytes;
            if (!Index.empty() && Index.back() != '\n') Index += '\n';
            // The licence at the top is indented; every other line starts with its lemma.
            for (std::size_t end; line < Index.size(); line = end + 1) {
                end = Index.find('\n', line);
                const std::size_t lemmaEnd = Index.find(' ', line);
                if (lemmaEnd > line && lemmaEnd < end)
                    Keys.Add(std::string_view(Index).substr(line, lemmaEnd - line),
                             std::uint32_t(line));
            }
        }
        Ends[c] = std::uint32_t(Index.size());

        const fs::path dataPath = folder / (std::string("data.") + FileSuffixes[c]);
        errno = 0;
        Data[c].reset(std::fopen(dataPath.c_str(), "rb"));
        // A folder opens; reading it fails.
        if (Data[c] && std::fgetc(Data[c].get()) == EOF && std::ferror(Data[c].get()))
            Data[c].reset();
        if (!Data[c])
            Trouble.push_back(dataPath.string() + ": " + std::strerror(errno ? errno : EIO));
    }
    Keys.Sort();
}

TWordNet::~TWordNet() = default;

std::vector<TLemma> TWordNet::Find(std::string_view key) const {
    std::vector<TLemma> lemmas;
    // The places ascend, and the classes' indexes lie in order.
    for (const std::uint32_t place : Keys.Find(key)) {
        int c = 0;
        while (place >= Ends[c]) ++c;
        const std::string_view line(Index.data() + place, Index.find('\n', place) - place);
        // lemma pos synset_cnt p_cnt [ptr_symbol...] sense_cnt tagsense_cnt synset_offset...
        const std::vector<std::string_view> t = Tokens(line);
        if (t.size() < 4) continue;
        const std::optional<std::uint32_t> synsets = WholeNumber(t[2]),
                                           pointers = WholeNumber(t[3]);
        if (!synsets || !pointers || t.size() != 6 + std::size_t(*pointers) + *synsets) continue;
        TLemma& lemma = lemmas.emplace_back(TLemma{Spelling(t[0]), TWordClass(c), {}});
        for (std::size_t k = t.size() - *synsets; k < t.size(); ++k)
            if (const std::optional<std::uint32_t> offset = WholeNumber(t[k]))
                lemma.Senses.push_back({TWordClass(c), *offset});
    }
    return lemmas;
}

std::optional<TSynset> TWordNet::Read(TSynsetRef ref) {
    std::FILE* f = Data[int(ref.Class)].get();
    if (!f || std::fseek(f, long(ref.Offset), SEEK_SET) != 0) return std::nullopt;
    Line.clear();
    char chunk[4096];
    while (std::fgets(chunk, sizeof chunk, f)) {
        Line += chunk;
        if (Line.back() == '\n') break;
    }
    while (!Line.empty() && (Line.back() == '\n' || Line.back() == '\r' || Line.back() == ' '))
        Line.pop_back();

    // offset lex_filenum ss_type w_cnt word lex_id... p_cnt [symbol offset pos source/target]... |
    // gloss
    const std::size_t bar = Line.find(" | ");
    const std::vector<std::string_view> t = Tokens(std::string_view(Line).substr(0, bar));
    // Each line starts with its own offset: anything else is no synset.
    if (t.size() < 5 || WholeNumber(t[0]) != ref.Offset) return std::nullopt;
    const std::optional<std::uint32_t> words = WholeNumber(t[3], 16);
    if (!words || t.size() < 5 + 2 * std::size_t(*words)) return std::nullopt;
    TSynset synset;
    for (std::size_t k = 0; k < *words; ++k) synset.Words.push_back(Spelling(t[4 + 2 * k]));
    const std::size_t p = 4 + 2 * std::size_t(*words);
    const std::optional<std::uint32_t> pointers = WholeNumber(t[p]);
    if (!pointers || t.size() < p + 1 + 4 * std::size_t(*pointers)) return std::nullopt;
    for (std::size_t k = p + 1; k < p + 1 + 4 * *pointers; k += 4) {
        const std::optional<std::uint32_t> offset = WholeNumber(t[k + 1]);
        const std::optional<TWordClass> c = ClassOf(t[k + 2]);
        if (offset && c) synset.Pointers.emplace_back(std::string(t[k]), TSynsetRef{*c, *offset});
    }
    if (bar != std::string::npos) synset.Gloss = Line.substr(bar + 3);
    return synset;
}

} // namespace wl
