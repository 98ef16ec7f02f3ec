#include "RtfFile.h"

#include "OutputText.h"
#include "Win1252.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace wl {

namespace {

// A square cell a quarter inch a side: 23 of them fit between the default
// margins of a Letter or an A4 page.
constexpr int CellTwips = 360;

// Record text (Windows-1252) as RTF: the control characters escaped, every
// byte outside ASCII as \'hh.
std::string RtfText(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto b = std::uint8_t(c);
        if (c == '\\' || c == '{' || c == '}') {
            out.append(1, '\\').append(1, c);
        } else if (b < 32 || b >= 128) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\'%02x", b);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

// The document's opening: Arial as font 0; colour 1 the black squares' fill.
std::string Header(const TExportLook& look) {
    const std::string fill = std::to_string(BlackFill(look));
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
           "{\\colortbl;\\red" +
           fill + "\\green" + fill + "\\blue" + fill + ";}\n";
}

// A row a grid row of square cells, outlined; black squares shaded, numbers
// small at the top left, letters bold and centred.
std::string GridTable(const TGridShapes& shapes) {
    std::string out;
    constexpr std::string_view borders = "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
                                         "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";
    for (int y = 1; y <= shapes.Side; ++y) {
        const auto row = shapes.Squares.begin() + (y - 1) * shapes.Side;
        out.append("\\trowd\\trgaph29\\trleft0\\trrh-").append(std::to_string(CellTwips));
        for (int x = 1; x <= shapes.Side; ++x) {
            out.append("\n").append(borders);
            if (row[x - 1].Black) out += "\\clcbpat1";
            if (!row[x - 1].Letter.empty()) out += "\\clvertalc";
            out.append("\\cellx").append(std::to_string(x * CellTwips));
        }
        out += "\n";
        for (int x = 1; x <= shapes.Side; ++x) {
            const TGridSquare& s = row[x - 1];
            if (!s.Letter.empty())
                out.append("\\pard\\intbl\\qc\\plain\\f0\\fs28\\b ")
                    .append(RtfText(s.Letter))
                    .append("\\cell\n");
            else if (!s.Number.empty())
                out += "\\pard\\intbl\\plain\\f0\\fs14 " + s.Number + "\\cell\n";
            else
                out += "\\pard\\intbl\\plain\\f0\\fs14\\cell\n";
        }
        out += "\\row\n";
    }
    return out;
}

} // namespace

QByteArray PuzzleRtf(const TXwdPuzzle& puzzle, const TExportLook& look, const QString& title) {
    std::string out = Header(look);
    out.append("\\pard\\plain\\sa240\\f0\\fs32\\b ")
        .append(RtfText(ToWin1252(title)))
        .append("\\par\n");
    out += GridTable(GridShapes(puzzle, look));
    const std::vector<TNumberedSquare> walk = NumberGrid(puzzle);
    for (const bool across : {true, false}) {
        out += "\\pard\\plain\\sb360\\sa120\\f0\\fs24\\b ";
        out += across ? "Across" : "Down";
        out += "\\par\n";
        for (const TNumberedSquare& s : walk) {
            if (!(across ? s.AcrossWord : s.DownWord)) continue;
            const TClueIndexPair& index = puzzle.Index(s.X, s.Y);
            const std::string clue = ClueEntry(puzzle, across ? index.AcrossClue : index.DownClue);
            out.append("\\pard\\plain\\f0\\fs22 ")
                .append(std::to_string(s.SquareNumber))
                .append(".");
            if (!clue.empty()) out.append(" ").append(RtfText(clue));
            out += "\\par\n";
        }
    }
    out += "}\n";
    return QByteArray::fromStdString(out);
}

QByteArray GridRtf(const TXwdPuzzle& puzzle, const TExportLook& look) {
    return QByteArray::fromStdString(Header(look) + GridTable(GridShapes(puzzle, look)) +
                                     "\\pard\\par}\n");
}

QString GridText(const TXwdPuzzle& puzzle, const TExportLook& look) {
    const TGridShapes shapes = GridShapes(puzzle, look);
    std::string text;
    for (const TGridSquare& s : shapes.Squares) {
        text += s.Black ? "#" : s.Letter.empty() ? "." : s.Letter;
        if (s.X == shapes.Side) text += "\r\n";
    }
    return FromWin1252(text);
}

} // namespace wl
