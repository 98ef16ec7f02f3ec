// The binary .puz file: a 52-byte header, the solution and player grids (rows
// top to bottom, '.' black, '-' empty), NUL-terminated texts (title, author,
// copyright, the clues in walk order, notes) and optional extra sections
// (name, length, checksum, data, NUL). Versions before 2.0 hold Windows-1252
// text, 2.0 holds UTF-8.
#include "ExchangeGrid.h"
#include "Text1252.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>

namespace wl {

namespace {

constexpr std::size_t HeaderSize = 0x34;
constexpr std::string_view Magic("ACROSS&DOWN\0", 12);
constexpr std::uint16_t StateNoSolution = 0x0002;
constexpr std::uint16_t StateLocked = 0x0004;
constexpr std::uint16_t TypeDiagramless = 0x0401;

std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint16_t(b[at] | (b[at + 1] << 8));
}

void PutU16(std::string& b, std::size_t at, std::uint16_t v) {
    b[at] = char(v & 0xFF);
    b[at + 1] = char(v >> 8);
}

std::span<const std::uint8_t> Bytes(std::string_view s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

// The texts as stored (bytes of the file's encoding).
struct TPuzText {
    std::string Title, Author, Copyright, Notes;
    std::vector<std::string> Clues;
};

// Empty title, author, copyright and notes are left out; clues count without
// their NUL, the others with it.
std::uint16_t TextChecksum(const TPuzText& t, std::uint16_t sum) {
    const auto withNul = [&](const std::string& s) {
        if (!s.empty()) sum = PuzChecksum(Bytes(std::string_view(s.c_str(), s.size() + 1)), sum);
    };
    withNul(t.Title);
    withNul(t.Author);
    withNul(t.Copyright);
    for (const auto& clue : t.Clues) sum = PuzChecksum(Bytes(clue), sum);
    withNul(t.Notes);
    return sum;
}

// The header's checksums (offsets 0, 0x0E, 0x10..0x17) for the rest of the file.
std::array<std::uint8_t, 12> Checksums(std::span<const std::uint8_t> header,
                                       std::span<const std::uint8_t> solution,
                                       std::span<const std::uint8_t> player, const TPuzText& text) {
    const std::uint16_t cib = PuzChecksum(header.subspan(0x2C, 8));
    const std::uint16_t sol = PuzChecksum(solution);
    const std::uint16_t grid = PuzChecksum(player);
    const std::uint16_t part = TextChecksum(text, 0);
    const std::uint16_t global = TextChecksum(text, PuzChecksum(player, PuzChecksum(solution, cib)));
    constexpr std::string_view Mask = "ICHEATED";
    const std::uint16_t sums[4] = {cib, sol, grid, part};
    std::array<std::uint8_t, 12> out{};
    out[0] = std::uint8_t(global & 0xFF);
    out[1] = std::uint8_t(global >> 8);
    out[2] = std::uint8_t(cib & 0xFF);
    out[3] = std::uint8_t(cib >> 8);
    for (int i = 0; i < 4; ++i) {
        out[std::size_t(4 + i)] = std::uint8_t(Mask[std::size_t(i)] ^ (sums[i] & 0xFF));
        out[std::size_t(8 + i)] = std::uint8_t(Mask[std::size_t(4 + i)] ^ (sums[i] >> 8));
    }
    return out;
}

bool SameChecksums(std::span<const std::uint8_t> file, const std::array<std::uint8_t, 12>& sums) {
    return file[0] == sums[0] && file[1] == sums[1] && file[0x0E] == sums[2] && file[0x0F] == sums[3] &&
           std::equal(sums.begin() + 4, sums.end(), file.begin() + 0x10);
}

int KeyDigit(int key, int i) {
    static constexpr int Divisor[4] = {1000, 100, 10, 1};
    return key / Divisor[i] % 10;
}

std::string Shifted(std::string_view s, int key, int sign) {
    std::string out(s);
    for (std::size_t j = 0; j < out.size(); ++j)
        out[j] = char('A' + ((out[j] - 'A' + sign * KeyDigit(key, int(j % 4))) % 26 + 26) % 26);
    return out;
}

// Rotated left by k; no rotation when k reaches the length.
std::string Rotated(const std::string& s, std::size_t k) {
    return k >= s.size() ? s : s.substr(k) + s.substr(0, k);
}

// A locked solution's letters: column by column, black squares left out.
std::string ColumnLetters(std::span<const std::uint8_t> solution, int w, int h) {
    std::string letters;
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            if (const char c = char(solution[std::size_t(y * w + x)]); c != '.' && c != ':') letters += c;
    return letters;
}

void PutColumnLetters(std::vector<std::uint8_t>& solution, int w, int h, std::string_view letters) {
    std::size_t i = 0;
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            if (auto& c = solution[std::size_t(y * w + x)]; c != '.' && c != ':') c = std::uint8_t(letters[i++]);
}

// The rebus answers by key from an RTBL section (" 1:ABC; 2:XYZ;").
std::map<int, std::string> RebusTable(std::string_view table) {
    std::map<int, std::string> answers;
    while (!table.empty()) {
        const auto end = std::min(table.find(';'), table.size());
        const auto entry = table.substr(0, end);
        if (const auto colon = entry.find(':'); colon != std::string_view::npos) {
            int key = 0;
            for (char c : entry.substr(0, colon))
                if (c >= '0' && c <= '9') key = std::min(key * 10 + (c - '0'), 1000);
            answers[key] = std::string(entry.substr(colon + 1));
        }
        table.remove_prefix(std::min(end + 1, table.size()));
    }
    return answers;
}

TReadResult Refused(std::string text) {
    TReadResult r;
    r.Error = std::move(text);
    return r;
}

const std::string CutShort = "The .puz file is cut short; it cannot be opened.";

} // namespace

std::uint16_t PuzChecksum(std::span<const std::uint8_t> bytes, std::uint16_t sum) {
    for (std::uint8_t b : bytes) sum = std::uint16_t(((sum >> 1) | ((sum & 1) << 15)) + b);
    return sum;
}

// Each of the key's four digits in turn: shift every letter by the digits
// cyclically, rotate left by this digit, interleave the back half with the front.
std::string ScrambleLetters(std::string_view letters, int key) {
    std::string s(letters);
    for (int i = 0; i < 4; ++i) {
        s = Rotated(Shifted(s, key, 1), std::size_t(KeyDigit(key, i)));
        const std::size_t mid = s.size() / 2;
        std::string mixed;
        for (std::size_t j = 0; j < mid; ++j) (mixed += s[mid + j]) += s[j];
        if (s.size() % 2) mixed += s.back();
        s = mixed;
    }
    return s;
}

std::string UnscrambleLetters(std::string_view letters, int key) {
    std::string s(letters);
    for (int i = 3; i >= 0; --i) {
        std::string front, back;
        for (std::size_t j = 0; j < s.size(); ++j) (j % 2 ? front : back) += s[j];
        s = front + back;
        const std::size_t k = std::size_t(KeyDigit(key, i));
        s = Shifted(k >= s.size() ? s : s.substr(s.size() - k) + s.substr(0, s.size() - k), key, -1);
    }
    return s;
}

TReadResult ReadPuz(std::span<const std::uint8_t> file, const TReadOptions& options) {
    // Some files carry bytes before the header (a file name, say): it starts
    // two bytes, the global checksum, before the first magic text.
    const auto magic = std::search(file.begin(), file.end(), Magic.begin(), Magic.end());
    if (magic == file.end() || magic - file.begin() < 2) return Refused("This is not a .puz crossword file.");
    const auto b = file.subspan(std::size_t(magic - file.begin() - 2));
    if (b.size() < HeaderSize) return Refused(CutShort);
    const int w = b[0x2C], h = b[0x2D];
    const std::size_t area = std::size_t(w * h), clueCount = U16(b, 0x2E);
    const std::uint16_t state = U16(b, 0x32);
    if (area == 0) return Refused("The .puz file's grid has no squares.");
    if (b.size() < HeaderSize + 2 * area) return Refused(CutShort);
    std::vector<std::uint8_t> solution(b.begin() + HeaderSize, b.begin() + std::ptrdiff_t(HeaderSize + area));
    const auto player = b.subspan(HeaderSize + area, area);

    std::size_t pos = HeaderSize + 2 * area;
    const auto next = [&](std::string& out) {
        const auto* begin = b.data() + pos;
        const auto* nul = static_cast<const std::uint8_t*>(std::memchr(begin, 0, b.size() - pos));
        if (!nul) return false;
        out.assign(reinterpret_cast<const char*>(begin), std::size_t(nul - begin));
        pos += out.size() + 1;
        return true;
    };
    TPuzText text;
    text.Clues.resize(clueCount);
    if (!next(text.Title) || !next(text.Author) || !next(text.Copyright)) return Refused(CutShort);
    for (auto& clue : text.Clues)
        if (!next(clue)) return Refused(CutShort);
    // Notes came with version 1.3; an older file may go on with its extra sections.
    const bool hasNotes = std::string_view(reinterpret_cast<const char*>(b.data() + 0x18), 3) >= "1.3";
    if (hasNotes && pos < b.size() && !next(text.Notes)) return Refused(CutShort);

    // Extra sections; one that runs past the end or fails its checksum counts as damage.
    bool damaged = false;
    std::map<std::string, std::span<const std::uint8_t>> sections;
    while (pos + 8 <= b.size()) {
        const std::string name(reinterpret_cast<const char*>(b.data() + pos), 4);
        const std::size_t length = U16(b, pos + 4);
        if (pos + 8 + length + 1 > b.size()) {
            damaged = true;
            break;
        }
        const auto data = b.subspan(pos + 8, length);
        damaged |= PuzChecksum(data) != U16(b, pos + 6);
        sections[name] = data;
        pos += 8 + length + 1;
    }
    if ((damaged || !SameChecksums(b, Checksums(b, solution, player, text))) && !options.IgnoreChecksums) {
        TReadResult r = Refused(DamagedPuzText);
        r.ChecksumsFailed = true;
        return r;
    }

    if (state == StateLocked) {
        TReadResult r = Refused("The solution of this puzzle is locked. Type its four-digit key to open it.");
        r.KeyNeeded = true;
        if (!options.Key) return r;
        const int key = std::clamp(*options.Key, 0, 9999);
        const std::string letters = UnscrambleLetters(ColumnLetters(solution, w, h), key);
        const bool lettersOnly = std::all_of(letters.begin(), letters.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
        if (key != *options.Key || !lettersOnly || PuzChecksum(Bytes(letters)) != U16(b, 0x1E)) {
            std::string typed = std::to_string(*options.Key);
            if (key == *options.Key) typed.insert(0, 4 - std::min<std::size_t>(typed.size(), 4), '0');
            r.Error = "The key " + typed + " does not unlock this puzzle's solution.";
            return r;
        }
        PutColumnLetters(solution, w, h, letters);
    }

    // Version 2.0 text is UTF-8; one that is not (written by an older program) is read as Windows-1252.
    const bool utf8 = b[0x18] >= '2' && b[0x18] <= '9';
    const auto decode = [&](const std::string& s) { return utf8 && IsUtf8(s) ? s : Utf8From1252(s); };
    TExchangePuzzle x;
    x.Width = w;
    x.Height = h;
    x.Cells.resize(area);
    const auto rebusGrid = sections.count("GRBS") && sections["GRBS"].size() == area ? sections["GRBS"]
                                                                                       : std::span<const std::uint8_t>();
    const auto rebus = RebusTable(std::string_view(reinterpret_cast<const char*>(sections["RTBL"].data()),
                                                   sections["RTBL"].size()));
    const auto circles = sections.count("GEXT") && sections["GEXT"].size() == area ? sections["GEXT"]
                                                                                   : std::span<const std::uint8_t>();
    for (std::size_t i = 0; i < area; ++i) {
        TExchangeCell& cell = x.Cells[i];
        cell.Block = solution[i] == '.' || solution[i] == ':';
        if (cell.Block) continue;
        if (state != StateNoSolution) cell.Answer = decode(std::string(1, char(solution[i])));
        if (!rebusGrid.empty() && rebusGrid[i]) {
            const auto answer = rebus.find(rebusGrid[i] - 1);
            cell.Answer = answer != rebus.end() ? decode(answer->second) : cell.Answer + "...";
        }
        if (player[i] != '-' && player[i] != '.' && player[i] != ':') cell.Player = decode(std::string(1, char(player[i])));
        cell.Circled = !circles.empty() && (circles[i] & 0x80);
    }
    for (const auto& clue : text.Clues) x.Clues.push_back({true, {}, decode(clue)});
    x.CluesInWalkOrder = true;
    x.Diagramless = U16(b, 0x30) == TypeDiagramless;
    x.Title = decode(text.Title);
    x.Author = decode(text.Author);
    x.Copyright = decode(text.Copyright);
    x.Notes = decode(text.Notes);
    return ToRecord(x);
}

std::string WritePuz(const TXwdPuzzle& puzzle, std::string_view title) {
    const TExchangePuzzle x = FromRecord(puzzle, title);
    // A complete grid ("?" squares count as filled and are written as "?"), or
    // one without any answer in the "no solution" state; a partly filled grid
    // has no form in .puz.
    const TExchangeCell* open = nullptr;
    bool lettered = false;
    for (const auto& cell : x.Cells) {
        if (cell.Block) continue;
        if (cell.Answer.empty()) open = open ? open : &cell;
        else lettered = true;
    }
    if (open && lettered) {
        const auto i = int(open - x.Cells.data());
        throw EExchangeError("The puzzle cannot be saved as .puz while square (" + std::to_string(i % x.Width + 1) +
                             ", " + std::to_string(i / x.Width + 1) +
                             ") has no letter: a .puz file holds the whole solution or none.");
    }
    const std::size_t area = x.Cells.size();
    std::string solution, player;
    for (const auto& cell : x.Cells) {
        solution += cell.Block ? '.' : lettered ? cell.Answer[0] : 'X';
        player += cell.Block ? '.' : cell.Player.empty() ? '-' : cell.Player[0];
    }
    // A NUL would end the text early; the record may hold one from a foreign file.
    const auto stored = [](const std::string& s) {
        std::string bytes = Utf8To1252(s);
        std::replace(bytes.begin(), bytes.end(), '\0', ' ');
        return bytes;
    };
    TPuzText text{stored(x.Title), stored(x.Author), {}, {}, {}};
    for (const auto& clue : x.Clues) text.Clues.push_back(stored(clue.Text));

    std::string file(HeaderSize, '\0');
    file.replace(2, Magic.size(), Magic);
    file.replace(0x18, 4, std::string_view("1.3\0", 4));
    file[0x2C] = char(x.Width);
    file[0x2D] = char(x.Height);
    PutU16(file, 0x2E, std::uint16_t(text.Clues.size()));
    PutU16(file, 0x30, 0x0001);
    PutU16(file, 0x32, lettered ? 0 : StateNoSolution);
    const auto sums = Checksums(Bytes(file), Bytes(solution), Bytes(player), text);
    file[0] = char(sums[0]);
    file[1] = char(sums[1]);
    file[0x0E] = char(sums[2]);
    file[0x0F] = char(sums[3]);
    for (std::size_t i = 4; i < sums.size(); ++i) file[0x10 + i - 4] = char(sums[i]);
    file.reserve(HeaderSize + 2 * area + 256);
    file += solution;
    file += player;
    for (const std::string* s : {&text.Title, &text.Author, &text.Copyright}) file.append(*s).push_back('\0');
    for (const auto& clue : text.Clues) file.append(clue).push_back('\0');
    file.append(text.Notes).push_back('\0');
    return file;
}

} // namespace wl
