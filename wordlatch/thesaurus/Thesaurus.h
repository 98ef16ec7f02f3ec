// The thesaurus behind the Thesaurus window: synonyms and related words from a
// thesaurus in the office suites' format (read through libmythes), the senses
// and definitions from WordNet. Looked up by the squashed form of a grid word,
// so that ICECREAM finds "ice cream". Standard C++ only.
#pragma once

#include "WordNet.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class MyThes;

namespace wl {

inline constexpr const char* DefaultThesaurusFile = "/usr/share/mythes/th_en_US_v2.dat";
inline constexpr const char* DefaultWordNetFolder = "/usr/share/wordnet";

// "frozen dessert" for "frozen dessert (generic term)"; a word without a
// relation as it is.
std::string_view BareWord(std::string_view word);

// One meaning in the thesaurus.
struct TMeaning {
    std::string PartOfSpeech; // "noun", "verb", "adjective", "adverb", or as the thesaurus names it
    std::string Sense; // the matching WordNet sense's definition, without examples; may be empty
    std::vector<std::string> Words; // as the data says: "icecream", "frozen dessert (generic term)"
};

// The WordNet definitions of one part of speech, the most frequent sense first.
struct TDefinitions {
    std::string PartOfSpeech;
    std::vector<std::string> Glosses; // with their examples
};

// What one spelling has in either source.
struct TThesaurusEntry {
    std::string Word; // "ice cream"
    std::vector<TMeaning> Meanings;
    std::vector<TDefinitions> Definitions;
};

class TThesaurus {
public:
    // Reads the thesaurus `datPath` ("" for the default) with the .idx of the same
    // stem beside it, and WordNet's files in `wordNetFolder`. A file that cannot be
    // read or does not hold what it should is named in Problems(); the rest answers.
    explicit TThesaurus(std::string datPath = {},
                        const std::string& wordNetFolder = DefaultWordNetFolder);
    ~TThesaurus();
    TThesaurus(const TThesaurus&) = delete;
    TThesaurus& operator=(const TThesaurus&) = delete;

    const std::vector<std::string>& Problems() const { return Trouble; }
    // The thesaurus's entries that can be looked up.
    std::size_t Entries() const { return Keys.Size(); }

    // Every spelling that squashes as `word` does, the one written as `word` first,
    // then in alphabetical order; nothing when neither source knows it.
    std::vector<TThesaurusEntry> Lookup(std::string_view word);

private:
    void OpenThesaurus(const std::string& datPath);
    std::vector<TMeaning> Meanings(const std::string& raw);
    // UTF-8 for a spelling or word in the thesaurus's encoding.
    std::string Text(std::string_view raw) const;

    std::unique_ptr<MyThes> Mythes;
    bool Latin1 = false;
    std::vector<std::string> Spellings; // the index's words as written, in its order
    TSquashedIndex Keys;                // to Spellings
    TWordNet WordNet;
    std::vector<std::string> Trouble;
};

} // namespace wl
