// The printer chosen for this run: the system's default printer, or a PDF file
// writer where no printer is installed. Printer Setup changes it; the print
// code reads it.
#pragma once

#include <QPrinter>
#include <functional>
#include <memory>

class QPrintDialog;

class QWidget;

namespace wl {

class TPrinterChoice {
public:
    // Runs the set-up dialog on the printer; true when the user accepted.
    using TSetupDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;

    // `pdfFile` is where pages go when no printer is installed.
    explicit TPrinterChoice(const QString& pdfFile, TSetupDialog dialog = QtSetupDialog);

    QPrinter& Printer() { return Current; }
    // The system's printer set-up dialog; its choice stays for the rest of the run.
    void Setup(QWidget* parent);

    // The printer and page set-up dialog; its accept button reads OK.
    static std::unique_ptr<QPrintDialog> SetupDialog(QPrinter& printer, QWidget* parent);
    // SetupDialog, modal.
    static bool QtSetupDialog(QPrinter& printer, QWidget* parent);
    // The default output file: "Wordlatch Puzzle.pdf" in the user's documents folder.
    static QString DefaultPdfFile();

private:
    QPrinter Current;
    TSetupDialog Dialog;
};

} // namespace wl
