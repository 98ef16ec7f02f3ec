// WordNet 3.0's own text files, read directly: each part of speech's index of
// lemmas (held in memory) and its synsets (read at their byte offsets as they
// are asked for). Standard C++ only.
#pragma once

#include "Squash.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wl {

// In the order of the files and of the definitions shown.
enum class TWordClass : std::uint8_t { Noun, Verb, Adjective, Adverb };
inline constexpr int WordClassCount = 4;

// "noun", "verb", "adjective", "adverb".
const char* WordClassName(TWordClass c);

struct TSynsetRef {
    TWordClass Class = TWordClass::Noun;
    std::uint32_t Offset = 0; // in the class's data file
    bool operator==(const TSynsetRef&) const = default;
};

struct TSynset {
    // Lower case, words apart ("ice cream"), markers such as "(a)" taken off.
    std::vector<std::string> Words;
    // The pointer symbol ("@" hypernym, "&" similar, "!" antonym...) and its target.
    std::vector<std::pair<std::string, TSynsetRef>> Pointers;
    std::string Gloss; // the definition, then any examples: `sloping land; "he sat on the bank"`
};

// One lemma's senses in one class, the most frequent first.
struct TLemma {
    std::string Spelling; // "ice cream"
    TWordClass Class;
    std::vector<TSynsetRef> Senses;
};

class TWordNet {
public:
    // Reads the index files of `folder`; what cannot be read is named in Problems()
    // and the rest still answers.
    explicit TWordNet(const std::filesystem::path& folder);
    ~TWordNet();
    TWordNet(const TWordNet&) = delete;
    TWordNet& operator=(const TWordNet&) = delete;

    const std::vector<std::string>& Problems() const { return Trouble; }

    // The lemmas whose squashed form is `key`, in the order of the classes.
    std::vector<TLemma> Find(std::string_view key) const;
    // Reads one synset; nothing when the data file has no synset at that offset.
    std::optional<TSynset> Read(TSynsetRef ref);

private:
    struct FileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };

    // The four index files one after another, lines whole; Ends[c] is where class c's ends.
    std::string Index;
    std::uint32_t Ends[WordClassCount] = {};
    TSquashedIndex Keys; // to the start of each lemma's line in Index
    std::unique_ptr<std::FILE, FileCloser> Data[WordClassCount];
    std::string Line; // the synset line last read
    std::vector<std::string> Trouble;
};

} // namespace wl
