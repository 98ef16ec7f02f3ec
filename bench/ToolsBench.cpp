#include <benchmark/benchmark.h>

// ---- thesaurus ----
// The Thesaurus window over the installed thesaurus and WordNet: its load on
// first use (on a worker), and the lookups after it (on the window's thread),
// plain words, those with the most meanings among them, and phrases squashed
// as a grid gives them.
#include "Thesaurus.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

void BM_ThesaurusLoad(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(wl::TThesaurus().Entries());
}
BENCHMARK(BM_ThesaurusLoad)->Unit(benchmark::kMillisecond);

// The counters are the median and the slowest over the set of each word's mean time.
void BM_ThesaurusLookups(benchmark::State& state) {
    static wl::TThesaurus thesaurus;
    const std::vector<std::string> words = {"BANK",    "FAST",    "SET",          "BREAK",  "RUN",   "TAKE",
                                            "CLUE",    "OBOE",    "ICECREAM",     "HOTDOG", "ICEAGE", "NEWYORK",
                                            "ONEIRIC", "ZYZZYVA", "KICKTHEBUCKET", "XYZZY",  "ice cream"};
    // The first lookup of a word reads its lines from the disk; the window's are mostly read again.
    for (const std::string& w : words) benchmark::DoNotOptimize(thesaurus.Lookup(w));
    std::vector<double> micros(words.size(), 0);
    for (auto _ : state)
        for (std::size_t i = 0; i < words.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(thesaurus.Lookup(words[i]));
            micros[i] += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
        }
    for (double& m : micros) m /= double(state.iterations());
    state.counters["slowest_us"] = *std::max_element(micros.begin(), micros.end());
    std::nth_element(micros.begin(), micros.begin() + std::ptrdiff_t(micros.size() / 2), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
}
BENCHMARK(BM_ThesaurusLookups)->Unit(benchmark::kMillisecond);

} // namespace

// ---- clue bank ----
// The ClueBank over 1,000 generated 15 x 15 puzzles in ten folders (random
// letters; clues of two to six words drawn from a vocabulary whose first words
// come up most, as "the" and "of" do in real clues; one in five a .puz, one in
// five an .ipuz): indexing from scratch, an update that finds nothing changed,
// and a set of searches by answer, pattern and clue words.
#include "ClueBank.h"
#include "Interop.h"
#include "OutputTestSupport.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdlib.h>
#include <string>
#include <vector>

namespace {

class TBenchBank {
public:
    TBenchBank() {
        char root[] = "/tmp/cluebank-bench-XXXXXX";
        Root = mkdtemp(root);
        std::mt19937 rng(2024);
        const auto letters = [&](std::size_t n, char first) {
            std::string text;
            while (text.size() < n) text += char(first + rng() % 26);
            return text;
        };
        for (int i = 0; i < 3000; ++i) Vocabulary.push_back(letters(3 + rng() % 7, 'a'));
        const auto word = [&] {
            const double u = std::uniform_real_distribution<double>(0, 1)(rng);
            return Vocabulary[std::size_t(u * u * u * double(Vocabulary.size()))];
        };
        const auto clue = [&](int) {
            std::string text = word();
            for (unsigned n = 1 + rng() % 5; n > 0; --n) text.append(" ").append(word());
            return text;
        };
        for (int i = 0; i < 1000; ++i) {
            wl::TXwdPuzzle p = wl::fakes::MakePuzzle(15, clue);
            for (int x = 1; x <= 15; ++x)
                for (int y = 1; y <= 15; ++y)
                    if (!p.IsBlack(x, y)) p.Solution(x, y) = std::uint8_t(letters(1, 'A')[0]);
            if (i % 100 == 0) Answers.push_back(wl::GetWord(p, 1, 1, 'a'));
            const auto format = i % 5 == 3 ? wl::TExchangeFormat::Puz
                                : i % 5 == 4 ? wl::TExchangeFormat::Ipuz
                                             : wl::TExchangeFormat::Xwd;
            const char* extension = i % 5 == 3 ? ".puz" : i % 5 == 4 ? ".ipuz" : ".xwd";
            const std::string folder = Folder() + "/set" + std::to_string(i % 10);
            std::filesystem::create_directories(folder);
            std::ofstream(folder + "/puzzle" + std::to_string(i) + extension, std::ios::binary)
                << wl::WriteExchange(format, p, "Bench");
        }
    }
    ~TBenchBank() { std::filesystem::remove_all(Root); }

    std::string Folder() const { return Root + "/puzzles"; }
    std::string Database() const { return Root + "/cluebank.sqlite"; }
    void Remove() const {
        for (const char* file : {"", "-wal", "-shm"}) std::filesystem::remove(Database() + file);
    }

    std::string Root;
    std::vector<std::string> Vocabulary, Answers;
};

const TBenchBank& Bank() {
    static const TBenchBank bank;
    return bank;
}

void BM_ClueBankFromScratch(benchmark::State& state) {
    const TBenchBank& b = Bank();
    std::size_t clues = 0;
    for (auto _ : state) {
        state.PauseTiming();
        b.Remove();
        state.ResumeTiming();
        wl::TClueBank bank;
        bank.Open(b.Database());
        clues = bank.Update(b.Folder()).Clues;
    }
    state.counters["clues"] = double(clues);
}
BENCHMARK(BM_ClueBankFromScratch)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3)->ReportAggregatesOnly(true);

void BM_ClueBankNothingChanged(benchmark::State& state) {
    const TBenchBank& b = Bank();
    wl::TClueBank bank;
    bank.Open(b.Database());
    bank.Update(b.Folder());
    for (auto _ : state) benchmark::DoNotOptimize(bank.Update(b.Folder()).Unchanged);
}
BENCHMARK(BM_ClueBankNothingChanged)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3)->ReportAggregatesOnly(true);

// The counters are the median and the slowest over the set of each search's mean time.
void BM_ClueBankSearches(benchmark::State& state) {
    const TBenchBank& b = Bank();
    wl::TClueBank bank;
    bank.Open(b.Database());
    bank.Update(b.Folder());
    const std::vector<std::string>& v = b.Vocabulary;
    const std::vector<std::pair<bool, std::string>> searches = {
        {true, b.Answers[0]}, {true, b.Answers[5]}, {true, "C?T"},        {true, "*ING"},
        {true, "?A?E"},       {true, "S*"},         {true, "??X??"},      {true, "*E*"},
        {false, v[0]},        {false, v[40]},       {false, v[2500]},     {false, v[0] + " " + v[10]},
        {false, v[100].substr(0, 2)}, {false, v[300] + " " + v[200].substr(0, 3)}, {false, "\"odd\" (words) -here*"}};
    std::vector<double> micros(searches.size(), 0);
    for (auto _ : state)
        for (std::size_t i = 0; i < searches.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            const auto& [byAnswer, text] = searches[i];
            benchmark::DoNotOptimize(byAnswer ? bank.SearchAnswer(text).Found : bank.SearchClues(text).Found);
            micros[i] += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
        }
    for (double& m : micros) m /= double(state.iterations());
    state.counters["slowest_us"] = *std::max_element(micros.begin(), micros.end());
    std::nth_element(micros.begin(), micros.begin() + std::ptrdiff_t(micros.size() / 2), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
}
BENCHMARK(BM_ClueBankSearches)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
