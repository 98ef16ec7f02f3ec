#include "PrinterOutput.h"

#include "PrintCanvas.h"
#include "SafeSave.h"

#include <QFile>
#include <QFileInfo>

namespace wl {

QString PdfTarget(const QPrinter& printer, const QString& defaultFile,
                  const std::string& puzzleFile) {
    if (printer.outputFormat() != QPrinter::PdfFormat) return {};
    const QString chosen = printer.outputFileName();
    if (!chosen.isEmpty() && chosen != defaultFile) return chosen;
    if (puzzleFile.empty()) return defaultFile;
    const QFileInfo puzzle(QString::fromStdString(puzzleFile));
    return puzzle.dir().filePath(puzzle.completeBaseName() + ".pdf");
}

TPrinterOutput::TPrinterOutput(QPrinter& printer, QString target)
    : Printer(printer), Target(std::move(target)), Chosen(printer.outputFileName()) {
    if (!IsPdf()) return;
    if (!Folder.isValid()) throw EPrintError("No temporary folder for the PDF file can be made.");
    Printer.setOutputFileName(Folder.filePath("pages.pdf"));
}

TPrinterOutput::~TPrinterOutput() {
    if (IsPdf()) Printer.setOutputFileName(Chosen);
}

void TPrinterOutput::Commit() {
    if (!IsPdf()) return;
    QFile pages(Folder.filePath("pages.pdf"));
    if (!pages.open(QIODevice::ReadOnly)) throw EPrintError("The PDF file was not written.");
    const QByteArray bytes = pages.readAll();
    puzzles::WriteWholeFile(QFile::encodeName(Target).toStdString(),
                            std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

} // namespace wl
