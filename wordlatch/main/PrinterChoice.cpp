#include "PrinterChoice.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
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

std::unique_ptr<QPrintDialog> TPrinterChoice::SetupDialog(QPrinter& printer, QWidget* parent) {
    auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
    dialog->setObjectName("PrinterSetupDialog1");
    dialog->setWindowTitle("Printer Setup");
    dialog->setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // Accepting chooses a printer and its pages; nothing is printed here.
    for (QDialogButtonBox* box : dialog->findChildren<QDialogButtonBox*>())
        if (QPushButton* accept = box->button(QDialogButtonBox::Ok)) accept->setText("OK");
    return dialog;
}

bool TPrinterChoice::QtSetupDialog(QPrinter& printer, QWidget* parent) {
    return SetupDialog(printer, parent)->exec() == QDialog::Accepted;
}

QString TPrinterChoice::DefaultPdfFile() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    return QDir(folder).filePath("Wordlatch Puzzle.pdf");
}

} // namespace wl
