#include "PuzzlePage.h"

#include "OutputText.h"
#include "Win1252.h"

#include <algorithm>
#include <vector>

namespace wl {

int PuzzleNumberPoints(int gridSize) {
    if (gridSize >= 11 && gridSize <= 15) return 9;
    return gridSize >= 23 ? 6 : 7;
}

namespace {

class TPuzzlePage {
public:
    TPuzzlePage(TPrintJob& job, const TPrintContent& content, const QString& title);
    void Print();

private:
    void PrintTitle();
    void PrintGrid();
    void PrintClues(bool across);
    void PrintNumberedClue(int number, const std::string& text);
    // The lines a clue takes at the text cursor (PrintClue and WrapClue).
    std::vector<std::string> ClueLines(const std::string& text);
    std::vector<std::string> WrapClue(const std::string& text, int width);
    int ColumnTop() const;
    void NextColumn();
    void Heading(const char* text);

    TPrintJob& Job;
    QPainter& P;
    const TPrintContent& Content;
    const TXwdPuzzle& Puzzle;
    const QString Title;
    const int Side;
    int PageSquare = 0, Margin = 0, ColumnWidth = 0, Pitch = 0, Bottom = 0, ContentTop = 0;
    int NumberWidth = 0, GridLeft = 0, GridBottom = 0;
    int Tx = 0, Ty = 0;
    int PageOfPuzzle = 1;
};

TPuzzlePage::TPuzzlePage(TPrintJob& job, const TPrintContent& content, const QString& title)
    : Job(job), P(job.Painter()), Content(content), Puzzle(content.Puzzle), Title(title),
      Side(std::max(1, content.Puzzle.Side())) {}

void TPuzzlePage::Print() {
    Job.NextPage();
    const int width = Job.PageWidth();
    PageSquare = width / 28 * 17 / Side;
    Margin = Job.Device().logicalDpiX() / 4;
    ColumnWidth = (width - 2 * Margin) / 5;
    P.setFont(PrintFont("Arial", 9));
    Pitch = TextHeight(P) + 2;
    Bottom = (Job.PageHeight() / Pitch - 2) * Pitch;
    ContentTop = 3 * Pitch + 10;
    P.setFont(PrintFont("Times New Roman", 9));
    NumberWidth = TextWidth(P, "999");
    GridLeft = Margin + 5 * ColumnWidth - Side * PageSquare;
    GridBottom = ContentTop + Side * PageSquare;

    PrintTitle();
    PrintGrid();
    Tx = Margin;
    Ty = ContentTop;
    PrintClues(true);
    // The down heading and two clues under it fit, or it starts the next column.
    if (Ty + 3 * Pitch > Bottom)
        NextColumn();
    else if (Ty != ColumnTop())
        Ty += Pitch;
    PrintClues(false);
}

void TPuzzlePage::PrintTitle() {
    P.setFont(PrintFont("Arial", 12, true));
    SetPenWidth(P, 4);
    P.drawLine(Margin, Pitch, Margin + 5 * ColumnWidth + 2, Pitch);
    SetPenWidth(P, 1);
    TextOut(P, Margin, Pitch + 8,
            FromWin1252("\x93") + Title + FromWin1252("\x94") + "  a Wordlatch puzzle");
}

void TPuzzlePage::PrintGrid() {
    const int ps = PageSquare;
    P.setFont(PrintFont("Arial", PuzzleNumberPoints(Side)));
    P.setBrush(Qt::white);
    SetPenWidth(P, 2);
    Rectangle(P, GridLeft - 3, ContentTop - 2, Margin + 5 * ColumnWidth + 2, GridBottom + 3);
    SetPenWidth(P, 1);
    int n = 0;
    for (int y = 1; y <= Puzzle.Side(); ++y) {
        for (int x = 1; x <= Puzzle.Side(); ++x) {
            const int left = GridLeft + (x - 1) * ps;
            const int top = ContentTop + (y - 1) * ps;
            const bool black = Puzzle.Solution(x, y) == BlackSquare;
            P.setBrush(black ? Content.ShadeColor : QColor(Qt::white));
            Rectangle(P, left, top, left + ps + 1, top + ps + 1);
            if (!black && (StartsAcross(Puzzle, x, y) || StartsDown(Puzzle, x, y)))
                TextOut(P, left + 4, top + 2, QString::number(++n));
        }
    }
    P.setBrush(Qt::white);
}

void TPuzzlePage::Heading(const char* text) {
    P.setFont(PrintFont("Arial", 9, true));
    TextOut(P, Tx, Ty, QString(text));
    P.setFont(PrintFont("Times New Roman", 9));
    Ty += Pitch;
}

void TPuzzlePage::PrintClues(bool across) {
    Heading(across ? "ACROSS" : "DOWN");
    for (const TNumberedSquare& s : NumberGrid(Puzzle)) {
        const TClueIndexPair& index = Puzzle.Index(s.X, s.Y);
        if (across ? !s.AcrossWord : !s.DownWord) continue;
        PrintNumberedClue(s.SquareNumber,
                          ClueEntry(Puzzle, across ? index.AcrossClue : index.DownClue));
        Ty += Pitch;
        if (Ty > Bottom) NextColumn();
    }
}

void TPuzzlePage::PrintNumberedClue(int number, const std::string& text) {
    std::vector<std::string> lines = ClueLines(text);
    // A clue is never split between columns, so no line passes the bottom.
    if (Ty + int(lines.size() - 1) * Pitch > Bottom && Ty != ColumnTop()) {
        NextColumn();
        lines = ClueLines(text);
    }
    const QString digits = QString::number(number);
    TextOut(P, Tx + NumberWidth - TextWidth(P, digits), Ty, digits);
    const int x = Tx + NumberWidth + TextWidth(P, "N");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) Ty += Pitch;
        TextOut(P, x, Ty, lines[i]);
    }
}

std::vector<std::string> TPuzzlePage::ClueLines(const std::string& text) {
    const std::string quoted = CurlyQuotes(text);
    const int reserve = TextWidth(P, "999NM");
    const int width = TextWidth(P, FromWin1252(quoted));
    // Beside the grid the second column narrows to keep clear of its frame.
    if (PageOfPuzzle == 1 && Tx == Margin + ColumnWidth && Ty < GridBottom + 3 &&
        width + reserve + Tx > GridLeft - 3)
        return WrapClue(quoted, 4 * ColumnWidth - Side * PageSquare - reserve);
    if (width > ColumnWidth - reserve) return WrapClue(quoted, ColumnWidth - reserve);
    return {quoted};
}

std::vector<std::string> TPuzzlePage::WrapClue(const std::string& text, int width) {
    const auto wide = [&](std::string_view s) { return TextWidth(P, FromWin1252(s)); };
    const auto fits = [&](std::string_view s) { return wide(s) < width; };
    std::vector<std::string> lines;
    std::string rest = text;
    do {
        auto [line, after] = BreakLine(rest, fits);
        lines.push_back(line);
        rest = after;
    } while (wide(rest) > width);
    if (!rest.empty()) lines.push_back(rest);
    return lines;
}

int TPuzzlePage::ColumnTop() const {
    if (PageOfPuzzle > 1) return 3 * Pitch;
    return Tx > Margin + ColumnWidth ? GridBottom + Pitch : ContentTop;
}

void TPuzzlePage::NextColumn() {
    Tx += ColumnWidth;
    if (Tx <= Margin + 4 * ColumnWidth) {
        Ty = ColumnTop();
        return;
    }
    // Past the fifth column: a further page with all five columns free.
    Job.NextPage();
    ++PageOfPuzzle;
    Tx = Margin;
    Ty = Pitch;
    P.setFont(PrintFont("Arial", 9, true));
    TextOut(P, Tx, Ty, Title + " / page " + QString::number(PageOfPuzzle));
    P.setFont(PrintFont("Times New Roman", 9));
    Ty += 2 * Pitch;
}

} // namespace

void PrintPuzzlePage(TPrintJob& job, const TPrintContent& content, const QString& title) {
    TPuzzlePage(job, content, title).Print();
}

} // namespace wl
