#include "ManuscriptPages.h"

#include "OutputText.h"
#include "Win1252.h"

#include <algorithm>
#include <vector>

namespace wl {

namespace {

QString AuthorLine(const TPrintContent& c, int i) {
    return FromWin1252(AuthorBlock(c.Settings)[std::size_t(i)]);
}

} // namespace

TManuscriptPages::TManuscriptPages(TPrintJob& job, const TLayoutValues& values,
                                   const TPrintContent& content)
    : Job(job), V(values), Content(content) {}

int TManuscriptPages::PrintHeader(bool first) {
    QPainter& p = Job.Painter();
    const int lh = V.LineHeight;
    p.setFont(CourierFont(true));
    const QString page = "Page " + QString::number(Job.PageNumber());
    TextOut(p, 63 * V.MWidth, 2 * lh, page);
    int top = 4 * lh;
    if (first) {
        TextOut(p, V.LeftMargin, 2 * lh, Content.Title);
        p.setFont(CourierFont());
        for (int i = 0; i < 4; ++i) TextOut(p, V.LeftMargin, (4 + i) * lh, AuthorLine(Content, i));
        if (ShowSpecs) {
            const QString& spec = Content.SpecText;
            const int x = V.LeftMargin + 46 * V.MWidth;
            TextOut(p, x, 5 * lh, spec.left(17));
            // The black-square and word counts without their par values.
            if (const qsizetype at = spec.indexOf("Bl"); at >= 0)
                TextOut(p, x, 6 * lh, spec.mid(at, 18));
            if (const qsizetype at = spec.indexOf("Wo"); at >= 0)
                TextOut(p, x, 7 * lh, spec.mid(at, 15));
        }
        top = 9 * lh;
    } else {
        TextOut(p, V.LeftMargin, 2 * lh, Content.Title + "  /" + AuthorLine(Content, 0));
    }
    p.setFont(CourierFont());
    return top;
}

int TManuscriptPages::Bottom() const {
    return (V.LinesPerPage - std::clamp(Content.Settings.BottomMargin, 0, 9)) * V.LineHeight;
}

int TManuscriptPages::ContinueIfFull(int v) {
    if (v <= Bottom()) return v;
    Job.NextPage();
    return PrintHeader(false);
}

void TManuscriptPages::PrintManuscript() {
    Job.NextPage();
    ShowSpecs = true;
    int v = PrintHeader(true);
    QPainter& p = Job.Painter();
    const TXwdPuzzle& puzzle = Content.Puzzle;
    const bool definitionsAtLeft = Content.Settings.DefinitionsAtLeft;
    const int x0 = V.LeftMargin;
    // Answers take at most 23 characters; the clue text at the right ends
    // where a 69-character manuscript line ends.
    const int answerX = definitionsAtLeft ? x0 + 46 * V.MWidth : x0;
    const int textX = definitionsAtLeft ? x0 : x0 + 29 * V.MWidth;
    const std::vector<TNumberedSquare> walk = NumberGrid(puzzle);
    const auto entry = [&](const TNumberedSquare& s, char direction, int clue) {
        v = PrintEntry(v, {textX, EntryLine(s.SquareNumber, ClueEntry(puzzle, clue))},
                       {answerX, AnswerText(puzzle, s.X, s.Y, direction)});
    };

    TextOut(p, x0, v, QString("ACROSS"));
    v += 2 * V.LineHeight;
    for (const TNumberedSquare& s : walk) {
        if (!s.AcrossWord) continue;
        entry(s, 'a', puzzle.Index(s.X, s.Y).AcrossClue);
        v = ContinueIfFull(v + 2 * V.LineHeight);
    }
    TextOut(p, x0, v, QString("DOWN"));
    v += 2 * V.LineHeight;
    for (const TNumberedSquare& s : walk) {
        if (!s.DownWord) continue;
        v = ContinueIfFull(v);
        entry(s, 'd', puzzle.Index(s.X, s.Y).DownClue);
        v += 2 * V.LineHeight;
    }
    PrintGrid(ManuscriptGrid);
}

int TManuscriptPages::PrintEntry(int v, const TLine& entry, const TLine& answer) {
    QPainter& p = Job.Painter();
    const auto width = [&](std::string_view s) { return TextWidth(p, FromWin1252(s)); };
    const auto fits = [&](std::string_view s) { return width(s) < V.WrapWidth; };
    std::vector<TLine> lines;
    if (width(entry.Text) <= V.WrapWidth) {
        lines.push_back(entry);
    } else {
        // A hanging indent under the clue text.
        const int indent = entry.X + TextWidth(p, "999 ");
        auto [first, rest] = BreakLine(entry.Text, fits);
        lines.push_back({entry.X, first});
        while (width(rest) > V.WrapWidth) {
            auto [next, after] = BreakLine(rest, fits);
            lines.push_back({indent, next});
            rest = after;
        }
        lines.push_back({indent, rest});
    }
    // An entry is never split by a page break, and never runs off the page.
    if (v + int(lines.size() - 1) * 2 * V.LineHeight > Bottom()) {
        Job.NextPage();
        v = PrintHeader(false);
    }
    TextOut(p, answer.X, v, answer.Text);
    for (const TLine& l : lines) {
        TextOut(p, l.X, v, l.Text);
        v += 2 * V.LineHeight;
    }
    return v - 2 * V.LineHeight;
}

void TManuscriptPages::PrintGrid(int type) {
    Job.NextPage();
    QPainter& p = Job.Painter();
    const TXwdPuzzle& puzzle = Content.Puzzle;
    const int n = puzzle.Side();
    const int s = V.PageWidth / 26 + 3;
    ShowSpecs = false;
    PrintHeader(true);
    const QFont numberFont = PrintFont("Arial", type == ManuscriptGrid ? 8 : 9);
    const QFont letterFont = PrintFont("Arial", 12);
    QFont solutionFont = PrintFont("Arial", 9, true);
    solutionFont.setPixelSize(std::max(1, s - 14));

    const int gx = (V.PageWidth - n * s) / 2;
    const int gy = (V.PageHeight - n * s) / 2 + 2 * s;
    p.setBrush(Qt::white);
    SetPenWidth(p, 4);
    Rectangle(p, gx - 3, gy - 3, gx + n * s + 4, gy + n * s + 4);
    SetPenWidth(p, 1);

    int number = 0;
    for (int y = 1; y <= n; ++y) {
        for (int x = 1; x <= n; ++x) {
            const int left = gx + (x - 1) * s;
            const int top = gy + (y - 1) * s;
            const std::uint8_t cell = puzzle.Solution(x, y);
            p.setBrush(cell == BlackSquare ? Content.ShadeColor : QColor(Qt::white));
            Rectangle(p, left, top, left + s + 1, top + s + 1);
            if (cell == BlackSquare) continue;
            const bool starts = StartsAcross(puzzle, x, y) || StartsDown(puzzle, x, y);
            if (starts) ++number;
            const std::string letter(1, char(cell));
            if (type == SolutionGridPage) {
                if (cell == NoLetter) continue;
                p.setFont(solutionFont);
                TextOut(p, left + (s - TextWidth(p, FromWin1252(letter))) / 2,
                        top + (s - TextHeight(p)) / 2, letter);
                continue;
            }
            p.setFont(numberFont);
            if (starts)
                TextOut(p, left + 5, top + (type == ManuscriptGrid ? 3 : 4),
                        QString::number(number));
            if (type == ManuscriptGrid && cell != NoLetter) {
                // The letter in the lower right, nudged so narrow and wide ones
                // line up, but never nearer than two pixels to the right border:
                // Arial's widest letters are wider than the Courier M measured.
                const int nudge = letter == "I" ? 4 : letter == "M" ? -2 : letter == "W" ? -3 : 0;
                p.setFont(letterFont);
                const int width = TextWidth(p, FromWin1252(letter));
                TextOut(p, std::min(left + s - V.MWidth - 9 + nudge, left + s - 2 - width),
                        top + s - TextHeight(p) - 2, letter);
            }
        }
    }
    p.setBrush(Qt::white);
}

} // namespace wl
