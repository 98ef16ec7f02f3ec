// Loading a large hangman word list: the counting pass and the reading pass.
#include "WordList.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

// count quoted words of 4 to 10 capital letters, one per line as the program writes them.
std::filesystem::path writeWordFile(int count) {
    const auto path = std::filesystem::temp_directory_path() / "bench_wordlist.dat";
    std::ofstream out(path, std::ios::binary);
    unsigned seed = 12345;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int length = 4 + static_cast<int>((seed >> 16) % 7);
        std::string word;
        for (int k = 0; k < length; ++k) {
            seed = seed * 1103515245u + 12345u;
            word += static_cast<char>('A' + (seed >> 16) % 26);
        }
        out << '"' << word << "\"\r\n";
    }
    return path;
}

void BM_LoadWords(benchmark::State& state) {
    const auto path = writeWordFile(static_cast<int>(state.range(0)));
    hm::WordList list;
    for (auto _ : state) {
        const hm::LoadResult result = hm::loadWords(path, list);
        benchmark::DoNotOptimize(result.ok);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadWords)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace
