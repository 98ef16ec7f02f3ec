// The manuscript (clue lists with answers), the manuscript grid, the numbered
// grid and the solution grid, drawn on a print job in device pixels.
#pragma once

#include "DemoProcsUnit.h"
#include "PrintCanvas.h"
#include "PrintSettings.h"

#include <QColor>
#include <QString>
#include <string>

namespace wl {

// What every layout prints besides the record.
struct TPrintContent {
    const TXwdPuzzle& Puzzle;
    QString Title;    // the print dialog's title
    QString SpecText; // the main window's grid statistics, lines joined by CR LF
    TPrintSettings Settings;
    QColor ShadeColor; // fill of the black squares
};

inline constexpr int ManuscriptGrid = 1;
inline constexpr int NumberedGrid = 2;
inline constexpr int SolutionGridPage = 3;

class TManuscriptPages {
public:
    // `values` are measured on the job's device (MeasureLayout).
    TManuscriptPages(TPrintJob& job, const TLayoutValues& values, const TPrintContent& content);

    // The heading of a layout's first page or of a continuation page; returns
    // the y where the content starts.
    int PrintHeader(bool first);
    // Across and down entries with their answers, then a manuscript grid.
    void PrintManuscript();
    // A grid page of the type above, on a new page of the job.
    void PrintGrid(int type);

private:
    struct TLine {
        int X;
        std::string Text;
    };
    // Prints an entry line at v, wrapped with a hanging indent, and its answer
    // beside the first line; returns the y of the last line. Moves to a new
    // page first when the lines would not all fit above the bottom.
    int PrintEntry(int v, const TLine& entry, const TLine& answer);
    int ContinueIfFull(int v);
    int Bottom() const;

    TPrintJob& Job;
    const TLayoutValues& V;
    const TPrintContent& Content;
    bool ShowSpecs = false;
};

} // namespace wl
