// Where a print job's pages go. A printer that writes PDF writes into a
// temporary folder first; the finished file then reaches its target through
// the save policy, so a failed job never leaves half a file behind.
#pragma once

#include <QPrinter>
#include <QString>
#include <QTemporaryDir>
#include <string>

namespace wl {

// The PDF file of a printer that writes one: the file the user chose in
// Printer Setup, or else one named after the puzzle beside it ("SUNDAY.pdf"
// for "SUNDAY.XWD"); `defaultFile` (the printer's file before any choice) when
// no puzzle file is named. Empty for a real printer.
QString PdfTarget(const QPrinter& printer, const QString& defaultFile,
                  const std::string& puzzleFile);

// Redirects a PDF printer to a temporary file for the life of the object.
class TPrinterOutput {
public:
    TPrinterOutput(QPrinter& printer, QString target);
    ~TPrinterOutput();
    TPrinterOutput(const TPrinterOutput&) = delete;
    TPrinterOutput& operator=(const TPrinterOutput&) = delete;

    bool IsPdf() const { return !Target.isEmpty(); }
    const QString& TargetFile() const { return Target; }
    // After the job has ended: writes the pages to the target. Raises
    // puzzles::ESaveError, or EPrintError when the job wrote no file.
    void Commit();

private:
    QPrinter& Printer;
    QString Target;
    QString Chosen; // the printer's own file name, put back afterwards
    QTemporaryDir Folder;
};

} // namespace wl
