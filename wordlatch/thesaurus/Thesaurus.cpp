#include "Thesaurus.h"

#include "ReadFile.h"

#include <algorithm>
#include <cstdio> // mythes.hxx uses FILE without including it
#include <map>
#include <mythes.hxx>
#include <optional>
#include <tuple>

namespace wl {

namespace fs = std::filesystem;

namespace {

// "generic term" for "frozen dessert (generic term)"; empty for a plain synonym.
std::string_view Relation(std::string_view word) {
    const std::size_t open = word.rfind(" (");
    if (!word.ends_with(')') || open == std::string_view::npos) return {};
    return word.substr(open + 2, word.size() - open - 3);
}

// The WordNet pointers a relation in the thesaurus was made from.
std::vector<std::string_view> PointersFor(std::string_view relation) {
    if (relation == "generic term") return {"@", "@i"};
    if (relation == "similar term") return {"&"};
    if (relation == "antonym") return {"!"};
    if (relation == "related term") return {"^", "="};
    return {};
}

std::string PartOfSpeechName(std::string_view pos) {
    if (pos == "adj") return "adjective";
    if (pos == "adv") return "adverb";
    return std::string(pos);
}

std::optional<TWordClass> ClassNamed(std::string_view name) {
    for (int c = 0; c < WordClassCount; ++c)
        if (name == WordClassName(TWordClass(c))) return TWordClass(c);
    return std::nullopt;
}

// The definition without the examples that follow it: `sloping land; "he sat on the bank"`.
std::string Definition(std::string_view gloss) {
    return std::string(gloss.substr(0, gloss.find("; \"")));
}

std::string Lower(std::string_view word) {
    std::string s(word);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// Whether the entry at `offset` of the data is `word|N` and N whole lines follow,
// each short enough for the library's line buffer: what it reads without checking.
bool EntryIntact(std::string_view dat, std::size_t offset, std::string_view word) {
    if (offset >= dat.size() || word.size() >= MAX_WD_LEN) return false;
    std::vector<std::string_view> lines;
    std::size_t at = offset;
    const auto next = [&](std::string_view& line) {
        if (at >= dat.size()) return false;
        std::size_t end = dat.find('\n', at);
        if (end == std::string_view::npos) end = dat.size();
        line = dat.substr(at, end - at);
        at = end + 1;
        return line.size() < MAX_LN_LEN - 1;
    };
    std::string_view header;
    if (!next(header) || !header.starts_with(word) || header.size() == word.size() ||
        header[word.size()] != '|')
        return false;
    std::string_view n = header.substr(word.size() + 1);
    if (n.ends_with('\r')) n.remove_suffix(1);
    const std::optional<std::uint32_t> meanings = WholeNumber(n);
    if (!meanings) return false;
    for (std::size_t k = 0; k < *meanings; ++k) {
        std::string_view line;
        if (!next(line)) return false;
    }
    return true;
}

struct TSense {
    TSynsetRef Ref;
    TSynset Synset;
};

// The thesaurus was made from WordNet, a meaning from one synset: its other
// words plain, its pointers' words with their relation. A meaning goes to the
// sense of its part of speech sharing the most words with it, best pairs first.
void MatchSenses(std::vector<TMeaning>& meanings, const std::vector<TSense>& senses,
                 TWordNet& wordNet) {
    std::map<std::pair<int, std::uint32_t>, std::vector<std::string>> targets; // read once a lookup
    const auto wordsAt = [&](const TSynsetRef& ref) -> const std::vector<std::string>& {
        auto [it, added] = targets.try_emplace({int(ref.Class), ref.Offset});
        if (added)
            if (std::optional<TSynset> s = wordNet.Read(ref)) it->second = std::move(s->Words);
        return it->second;
    };
    const auto has = [](const std::vector<std::string>& words, std::string_view w) {
        return std::find(words.begin(), words.end(), w) != words.end();
    };
    const auto shared = [&](const TMeaning& m, const TSense& s) {
        int score = 0;
        for (const std::string& w : m.Words) {
            // WordNet's words are lower case here; the thesaurus keeps a name's capital ("Set").
            const std::string_view relation = Relation(w);
            const std::string bare = Lower(BareWord(w));
            if (relation.empty()) {
                score += has(s.Synset.Words, bare);
                continue;
            }
            const std::vector<std::string_view> symbols = PointersFor(relation);
            for (const auto& [symbol, target] : s.Synset.Pointers)
                if (std::find(symbols.begin(), symbols.end(), symbol) != symbols.end() &&
                    has(wordsAt(target), bare)) {
                    ++score;
                    break;
                }
        }
        return score;
    };

    struct TPair {
        int Score;
        std::size_t Meaning, Sense;
    };
    std::vector<TPair> pairs;
    for (std::size_t m = 0; m < meanings.size(); ++m) {
        const std::optional<TWordClass> c = ClassNamed(meanings[m].PartOfSpeech);
        for (std::size_t s = 0; s < senses.size(); ++s)
            if (c == senses[s].Ref.Class)
                if (const int score = shared(meanings[m], senses[s]))
                    pairs.push_back({score, m, s});
    }
    std::sort(pairs.begin(), pairs.end(), [](const TPair& a, const TPair& b) {
        return std::tuple(-a.Score, a.Meaning, a.Sense) < std::tuple(-b.Score, b.Meaning, b.Sense);
    });
    std::vector<bool> meaningDone(meanings.size()), senseUsed(senses.size());
    for (const TPair& p : pairs) {
        if (meaningDone[p.Meaning] || senseUsed[p.Sense]) continue;
        meaningDone[p.Meaning] = senseUsed[p.Sense] = true;
        meanings[p.Meaning].Sense = Definition(senses[p.Sense].Synset.Gloss);
    }
}

} // namespace

std::string_view BareWord(std::string_view word) {
    const std::string_view relation = Relation(word);
    return relation.empty() ? word : word.substr(0, word.size() - relation.size() - 3);
}

TThesaurus::TThesaurus(std::string datPath, const std::string& wordNetFolder)
    : WordNet(wordNetFolder) {
    OpenThesaurus(datPath.empty() ? std::string(DefaultThesaurusFile) : std::move(datPath));
    Trouble.insert(Trouble.end(), WordNet.Problems().begin(), WordNet.Problems().end());
}

TThesaurus::~TThesaurus() = default;

void TThesaurus::OpenThesaurus(const std::string& datPath) {
    fs::path dat = datPath, idx = datPath;
    // Either file of the pair may be named.
    if (dat.extension() == ".idx") dat.replace_extension(".dat");
    idx.replace_extension(".idx");
    const puzzles::FileRead idxFile = puzzles::ReadWholeFile(idx),
                            datFile = puzzles::ReadWholeFile(dat);
    for (const auto& [path, file] : {std::pair{&dat, &datFile}, std::pair{&idx, &idxFile}})
        if (file->Status != puzzles::ReadStatus::Read)
            Trouble.push_back(path->string() + ": " + file->Error);
    if (datFile.Status != puzzles::ReadStatus::Read || idxFile.Status != puzzles::ReadStatus::Read)
        return;

    // The encoding, the number of entries, then "word|offset" in byte order: the
    // library believes all of it.
    const std::vector<std::string_view> lines = Lines(idxFile.Bytes);
    const auto refuse = [&](const std::string& why) {
        Trouble.push_back(idx.string() + ": " + why);
        Spellings.clear();
        Keys = {};
    };
    if (lines.empty() || lines[0].empty())
        return refuse("empty; its first line should name the encoding");
    const std::optional<std::uint32_t> count =
        lines.size() > 1 ? WholeNumber(lines[1]) : std::nullopt;
    if (!count) return refuse("the second line should be the number of entries");
    const std::size_t held = lines.size() - 2;
    if (held != *count)
        return refuse("says " + std::to_string(*count) + " entries but holds " +
                      std::to_string(held));
    std::string encoding;
    for (const char c : lines[0])
        if (c != '-' && c != '_') encoding += char(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    Latin1 = encoding == "ISO88591" || encoding == "LATIN1";

    std::size_t damaged = 0;
    std::string_view previous;
    for (std::size_t k = 2; k < lines.size(); ++k) {
        const std::size_t bar = lines[k].rfind('|');
        const std::optional<std::uint32_t> offset =
            bar == std::string_view::npos ? std::nullopt : WholeNumber(lines[k].substr(bar + 1));
        if (!offset) return refuse("line " + std::to_string(k + 1) + " is not word|offset");
        const std::string_view word = lines[k].substr(0, bar);
        if (word < previous) return refuse("not in sorted order at line " + std::to_string(k + 1));
        previous = word;
        if (!EntryIntact(datFile.Bytes, *offset, word)) {
            ++damaged;
            continue;
        }
        Keys.Add(Text(word), std::uint32_t(Spellings.size()));
        Spellings.emplace_back(word);
    }
    if (damaged)
        Trouble.push_back(dat.string() + ": " + std::to_string(damaged) + " of " +
                          std::to_string(held) + " entries are damaged and left out");
    Keys.Sort();
    Mythes = std::make_unique<MyThes>(idx.c_str(), dat.c_str());
}

std::string TThesaurus::Text(std::string_view raw) const {
    if (!Latin1) return std::string(raw);
    std::string utf8;
    for (const char c : raw) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            utf8 += c;
        } else {
            utf8 += char(0xC0 | b >> 6);
            utf8 += char(0x80 | (b & 0x3F));
        }
    }
    return utf8;
}

std::vector<TMeaning> TThesaurus::Meanings(const std::string& raw) {
    mentry* list = nullptr;
    const int n = Mythes->Lookup(raw.c_str(), int(raw.size()), &list);
    std::vector<TMeaning> meanings;
    for (int i = 0; i < n; ++i) {
        TMeaning& m = meanings.emplace_back();
        // The library gives "(noun) first-word" as the definition.
        const std::string_view defn = list[i].defn ? list[i].defn : "";
        if (defn.starts_with('(') && defn.find(')') != std::string_view::npos)
            m.PartOfSpeech = PartOfSpeechName(Text(defn.substr(1, defn.find(')') - 1)));
        for (int j = 0; j < list[i].count; ++j) {
            if (!list[i].psyns[j]) continue;
            std::string word = Text(list[i].psyns[j]);
            if (!word.empty() && std::find(m.Words.begin(), m.Words.end(), word) == m.Words.end())
                m.Words.push_back(std::move(word));
        }
    }
    if (n > 0) Mythes->CleanUpAfterLookup(&list, n);
    return meanings;
}

std::vector<TThesaurusEntry> TThesaurus::Lookup(std::string_view word) {
    const std::string key = SquashedWord(word);
    std::vector<TThesaurusEntry> entries;
    if (key.empty()) return entries;
    const auto entryFor = [&entries](const std::string& spelling) -> TThesaurusEntry& {
        for (TThesaurusEntry& e : entries)
            if (e.Word == spelling) return e;
        entries.push_back({spelling, {}, {}});
        return entries.back();
    };
    if (Mythes)
        for (const std::uint32_t place : Keys.Find(key)) {
            std::vector<TMeaning> meanings = Meanings(Spellings[place]);
            std::vector<TMeaning>& into = entryFor(Text(Spellings[place])).Meanings;
            into.insert(into.end(), meanings.begin(), meanings.end());
        }
    const std::vector<TLemma> lemmas = WordNet.Find(key);
    for (const TLemma& lemma : lemmas) entryFor(lemma.Spelling);

    for (TThesaurusEntry& entry : entries) {
        std::vector<TSense> senses;
        for (const TLemma& lemma : lemmas) {
            if (lemma.Spelling != entry.Word) continue;
            TDefinitions definitions{WordClassName(lemma.Class), {}};
            for (const TSynsetRef& ref : lemma.Senses)
                if (std::optional<TSynset> synset = WordNet.Read(ref)) {
                    if (!synset->Gloss.empty()) definitions.Glosses.push_back(synset->Gloss);
                    senses.push_back({ref, std::move(*synset)});
                }
            if (!definitions.Glosses.empty()) entry.Definitions.push_back(std::move(definitions));
        }
        MatchSenses(entry.Meanings, senses, WordNet);
    }
    const std::string written = Lower(word);
    std::sort(entries.begin(), entries.end(),
              [&written](const TThesaurusEntry& a, const TThesaurusEntry& b) {
                  return std::pair(a.Word != written, a.Word) <
                         std::pair(b.Word != written, b.Word);
              });
    return entries;
}

} // namespace wl
