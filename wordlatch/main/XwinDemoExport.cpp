// The Special menu's exports: the grid as an SVG or EPS picture, the puzzle as
// an RTF document, the grid as an RTF table on the clipboard. Each asks first
// what the grid shows, as the print dialog does.
#include "XwinDemo1.h"

#include "DemoMsgUnit.h"
#include "DemoPrintUnit.h"
#include "EpsFile.h"
#include "ExportChoice.h"
#include "ExportUnit.h"
#include "RtfFile.h"
#include "SafeSave.h"
#include "WordlatchApp.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace wl {

namespace {

struct TExportFormat {
    const char* Extension;
    const char* Filter;
    QByteArray (*Write)(const TXwdPuzzle&, const TExportLook&, const QString&);
};

} // namespace

bool TDemMainForm::AskExportLook(QAction* item) {
    if (!App.ExportChoiceForm) App.ExportChoiceForm = std::make_unique<TExportChoiceForm>(this);
    return App.ExportChoiceForm->Ask(item->text().remove('&'));
}

void TDemMainForm::ExportFileClick(QAction* item) {
    const TExportFormat format = item == ExportMetafile1 ? TExportFormat{"svg", "SVG Picture (*.SVG)|*.SVG", GridSvg}
                                 : item == ExportEPS1    ? TExportFormat{"eps", "EPS Picture (*.EPS)|*.EPS", GridEps}
                                                         : TExportFormat{"rtf", "RTF Document (*.RTF)|*.RTF", PuzzleRtf};
    if (!AskExportLook(item)) return;
    TDemProcs& procs = App.DemProcs;
    const QFileInfo puzzle(QString::fromStdString(procs.PuzzleFileName));
    TFileDialogOptions options;
    options.Save = true;
    options.Title = item->text().remove('&');
    options.FileName = puzzle.dir().filePath(puzzle.completeBaseName() + "." + format.Extension);
    options.DefaultExt = format.Extension;
    options.Filter = format.Filter;
    options.OverwritePrompt = true;
    const QString path = App.Services.FileDialogs->Execute(this, options);
    if (path.isEmpty()) return;
    if (puzzles::SameFile(path.toStdString(), procs.PuzzleFileName)) {
        App.Prompts->ErrorBox(CopyOverOwnFile);
        return;
    }
    // The pictures carry the file's name, as the clipboard's do; the document its title.
    const QString title = format.Write == PuzzleRtf ? App.DemPrintForm->PuzzleTitle() : puzzle.fileName();
    Reported([&] {
        App.InfoWin->ShowWhile(InfoExporting, [&] {
            puzzles::WriteWholeFile(path.toStdString(),
                                    format.Write(procs.Puzzle, App.ExportChoiceForm->Look(), title).toStdString());
        });
    });
}

void TDemMainForm::RTFGridtoClipboard1Click() {
    if (!AskExportLook(RTFGridtoClipboard1)) return;
    Reported([&] {
        App.InfoWin->ShowWhile(InfoExporting,
                               [&] { App.ExportForm->GridRtfToClipboard(App.ExportChoiceForm->Look()); });
    });
}

} // namespace wl
