#include "PrinterChoice.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace wl {

TPrinterChoice::TPrinterChoice(const QString& pdfFile, TSetupDialog dialog)
    : Current(QPrinter::HighResolution), Dialog(std::move(dialog)) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        Current.setOutputFormat(QPrinter::PdfFormat);
        Current.setOutputFileName(pdfFile);
    }
}

// The dialog writes its settings into the printer only when accepted.
void TPrinterChoice::Setup(QWidget* parent) {
    Dialog(Current, parent);
}

bool TPrinterChoice::QtSetupDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("PrinterSetupDialog1");
    dialog.setWindowTitle("Printer Setup");
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

QString TPrinterChoice::DefaultPdfFile() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    return QDir(folder).filePath("Wordlatch Puzzle.pdf");
}

} // namespace wl
