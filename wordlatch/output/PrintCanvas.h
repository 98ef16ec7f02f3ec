// One print job on any paint device (a printer, a PDF writer, a recording
// device in tests) and the canvas operations the layouts draw with. Positions
// are device pixels; a text's position is the top-left corner of its line.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>
#include <functional>
#include <stdexcept>
#include <string_view>

class QPaintDevice;

namespace wl {

// A job that could not be started or continued; what() is the user's text.
class EPrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Begins lazily: the first layout begins the job, every later one starts a new
// page. Page numbers count over the whole job.
class TPrintJob {
public:
    // `newPage` turns the device's page (QPrinter::newPage for a printer).
    TPrintJob(QPaintDevice& device, std::function<bool()> newPage);
    ~TPrintJob();
    TPrintJob(const TPrintJob&) = delete;
    TPrintJob& operator=(const TPrintJob&) = delete;

    bool IsOpen() const { return Open; }
    // A new page when the job is open, else the job's beginning. Raises EPrintError.
    void NextPage();
    // Ends an open job. Raises EPrintError when the device reports a failure.
    void End();
    int PageNumber() const { return Page; }
    QPainter& Painter() { return Canvas; }
    QPaintDevice& Device() { return Target; }
    int PageWidth() const;
    int PageHeight() const;

private:
    QPaintDevice& Target;
    std::function<bool()> NewPage;
    QPainter Canvas;
    bool Open = false;
    int Page = 0;
};

// Fonts of the layouts at a point size on a device.
QFont PrintFont(const char* family, int pointSize, bool bold = false);
// The manuscript's font: "Courier New" 12 point.
QFont CourierFont(bool bold = false);

// Values of the manuscript and grid pages, measured in "Courier New" 12 point.
struct TLayoutValues {
    int PageWidth = 0;
    int PageHeight = 0;
    int MWidth = 0;       // width of "M"
    int LineHeight = 0;   // height of "I" + 5
    int LeftMargin = 0;   // the 69 characters of a manuscript line, centred
    int WrapWidth = 0;    // 40 characters
    int LinesPerPage = 0; // page height div LineHeight - 2
};
TLayoutValues MeasureLayout(QPaintDevice& device);

// Canvas operations in the manner of the layouts: text by its top-left corner,
// rectangles from corner to corner with the far edges outside.
int TextWidth(QPainter& p, const QString& text);
int TextHeight(QPainter& p); // the line height of the current font
void TextOut(QPainter& p, int x, int y, const QString& text);
// Record text (Windows-1252 bytes) decoded at the canvas.
void TextOut(QPainter& p, int x, int y, std::string_view bytes);
void Rectangle(QPainter& p, int x1, int y1, int x2, int y2);
void SetPenWidth(QPainter& p, int width);

} // namespace wl
