// The JSON .ipuz crossword: "dimensions", "puzzle" (numbers, the block value,
// the empty value, null for a missing square, or {"cell": .., "style": ..}),
// "solution" and "saved" in the same shape, "clues" by direction as plain
// strings, [number, text] pairs or {"number": .., "clue": ..} objects.
#include "ExchangeGrid.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace wl {

namespace {

constexpr auto Version = "http://ipuz.org/v2";
constexpr auto Kind = "http://ipuz.org/crossword#1";

std::string Utf8(const QString& s) {
    return s.toStdString();
}

QString FromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// A cell or label as text: numbers without a fraction, strings as they are.
std::string CellText(const QJsonValue& v) {
    if (v.isString()) return Utf8(v.toString());
    if (v.isDouble()) return std::to_string(v.toInteger());
    return {};
}

// The value inside a {"cell": ..} or {"value": ..} object, or the value itself.
QJsonValue Inner(const QJsonValue& v, const char* key) {
    return v.isObject() ? v.toObject().value(QLatin1String(key)) : v;
}

// A grid field's rows, checked against the dimensions; empty when it does not fit.
std::vector<QJsonArray> Rows(const QJsonValue& field, int w, int h) {
    if (!field.isArray() || field.toArray().size() != h) return {};
    std::vector<QJsonArray> rows;
    for (const auto& row : field.toArray()) {
        if (!row.isArray() || row.toArray().size() != w) return {};
        rows.push_back(row.toArray());
    }
    return rows;
}

TReadResult Refused(std::string text) {
    TReadResult r;
    r.Error = std::move(text);
    return r;
}

bool IsCrossword(const QJsonValue& kind) {
    for (const auto& k : kind.toArray())
        if (k.toString().startsWith(QLatin1String("http://ipuz.org/crossword"))) return true;
    return false;
}

// The JSON inside a JSONP wrapping, "ipuz(...)" with an optional ";", as
// some sites serve .ipuz files; other text as it is.
QByteArray WithoutCallback(const QByteArray& text) {
    QByteArray json = text.trimmed();
    if (json.endsWith(';')) json.chop(1);
    json = json.trimmed();
    return json.startsWith("ipuz(") && json.endsWith(')') ? json.mid(5, json.size() - 6) : text;
}

} // namespace

TReadResult ReadIpuz(std::span<const std::uint8_t> bytes) {
    QJsonParseError error;
    const auto doc = QJsonDocument::fromJson(
        WithoutCallback(QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()))),
        &error);
    if (error.error != QJsonParseError::NoError)
        return Refused("The .ipuz file is not valid JSON: " + Utf8(error.errorString()) + " at character " +
                       std::to_string(error.offset) + ".");
    const QJsonObject root = doc.object();
    if (!doc.isObject() || !IsCrossword(root.value("kind")))
        return Refused("The .ipuz file does not hold a crossword.");
    const QJsonObject dims = root.value("dimensions").toObject();
    const int w = dims.value("width").toInt(), h = dims.value("height").toInt();
    if (w < 1 || h < 1) return Refused("The .ipuz file has no valid \"dimensions\".");
    if (w > MaxGridSize || h > MaxGridSize)
        return Refused("The grid is " + std::to_string(w) + " x " + std::to_string(h) +
                       " squares; Wordlatch puzzles are at most 23 x 23.");
    const auto puzzle = Rows(root.value("puzzle"), w, h);
    if (puzzle.empty()) return Refused("The .ipuz file's \"puzzle\" does not match its \"dimensions\".");
    const bool hasSolution = root.contains("solution"), hasSaved = root.contains("saved");
    const auto solution = Rows(root.value("solution"), w, h);
    const auto saved = Rows(root.value("saved"), w, h);
    if ((hasSolution && solution.empty()) || (hasSaved && saved.empty()))
        return Refused("The .ipuz file's \"solution\" or \"saved\" grid does not match its \"dimensions\".");

    const std::string block = root.contains("block") ? CellText(root.value("block")) : "#";
    const std::string empty = root.contains("empty") ? CellText(root.value("empty")) : "0";
    const auto letters = [&](const QJsonValue& v) {
        const std::string s = CellText(Inner(v, "value"));
        return s == block || s == empty ? std::string() : s;
    };
    TExchangePuzzle x;
    x.Width = w;
    x.Height = h;
    x.Cells.resize(std::size_t(w * h));
    for (int y = 1; y <= h; ++y)
        for (int col = 1; col <= w; ++col) {
            const QJsonValue v = puzzle[std::size_t(y - 1)].at(col - 1);
            const QJsonValue inner = Inner(v, "cell");
            TExchangeCell& cell = x.At(col, y);
            const std::string label = CellText(inner);
            // null is a square left out; a styled object without "cell" is a white square.
            cell.Block = inner.isNull() || label == block;
            cell.Label = cell.Block || label == empty || label == "0" ? std::string() : label;
            const QJsonObject style = v.toObject().value("style").toObject();
            cell.Circled = style.value("shapebg").toString() == QLatin1String("circle");
            if (!solution.empty()) cell.Answer = letters(solution[std::size_t(y - 1)].at(col - 1));
            if (!saved.empty()) cell.Player = letters(saved[std::size_t(y - 1)].at(col - 1));
        }

    const QJsonObject clues = root.value("clues").toObject();
    for (auto it = clues.begin(); it != clues.end(); ++it) {
        const QString direction = it.key().section(':', 0, 0);
        const bool across = direction == QLatin1String("Across");
        if (!across && direction != QLatin1String("Down")) {
            x.Dropped.push_back("The " + Utf8(direction) + " clues are not kept.");
            continue;
        }
        for (const auto& c : it.value().toArray()) {
            TExchangeClue clue{across, {}, {}};
            if (c.isString()) {
                clue.Text = Utf8(c.toString());
            } else if (c.isArray()) {
                clue.Label = CellText(c.toArray().at(0));
                clue.Text = CellText(c.toArray().at(1));
            } else {
                clue.Label = CellText(c.toObject().value("number"));
                clue.Text = CellText(c.toObject().value("clue"));
            }
            x.Clues.push_back(std::move(clue));
        }
    }
    x.Title = Utf8(root.value("title").toString());
    x.Author = Utf8(root.value("author").toString());
    x.Copyright = Utf8(root.value("copyright").toString());
    x.Notes = Utf8(root.value("notes").toString());
    return ToRecord(x);
}

std::string WriteIpuz(const TXwdPuzzle& puzzle, std::string_view title) {
    const TExchangePuzzle x = FromRecord(puzzle, title);
    QJsonArray grid, solution, saved;
    bool anyAnswer = false, anyEntry = false;
    for (int y = 1; y <= x.Height; ++y) {
        QJsonArray gridRow, solutionRow, savedRow;
        for (int col = 1; col <= x.Width; ++col) {
            const TExchangeCell& cell = x.At(col, y);
            const QJsonValue blockOr = cell.Block ? QJsonValue("#") : QJsonValue();
            gridRow.append(cell.Block ? QJsonValue("#") : QJsonValue(cell.Label.empty() ? 0 : std::stoi(cell.Label)));
            solutionRow.append(cell.Answer.empty() ? blockOr : QJsonValue(FromUtf8(cell.Answer)));
            savedRow.append(cell.Player.empty() ? blockOr : QJsonValue(FromUtf8(cell.Player)));
            anyAnswer |= !cell.Answer.empty();
            anyEntry |= !cell.Player.empty();
        }
        grid.append(gridRow);
        solution.append(solutionRow);
        saved.append(savedRow);
    }
    QJsonArray across, down;
    for (const auto& clue : x.Clues)
        (clue.Across ? across : down).append(QJsonArray{std::stoi(clue.Label), FromUtf8(clue.Text)});

    QJsonObject root{{"version", Version},
                     {"kind", QJsonArray{Kind}},
                     {"dimensions", QJsonObject{{"width", x.Width}, {"height", x.Height}}},
                     {"puzzle", grid},
                     {"clues", QJsonObject{{"Across", across}, {"Down", down}}}};
    if (anyAnswer) root.insert("solution", solution);
    if (anyEntry) root.insert("saved", saved);
    if (!x.Title.empty()) root.insert("title", FromUtf8(x.Title));
    if (!x.Author.empty()) root.insert("author", FromUtf8(x.Author));
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

} // namespace wl
