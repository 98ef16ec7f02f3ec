// The main window's way to other puzzle formats: opening a .puz or .ipuz file
// as an XWD puzzle beside it, and "Save Puzzle As" in every format.
#include "XwinDemo1.h"

#include "DemoGridUnit.h"
#include "DemoPrintUnit.h"
#include "Interop.h"
#include "SafeSave.h"
#include "WordlatchApp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace wl {

namespace {

constexpr const char* KeepsOriginal =
    "%1 is the file %2 itself, which stays as it is: the puzzle cannot be kept beside it.";
constexpr const char* ReplacesOpenPuzzle =
    "%1 is the open puzzle's own file: open another puzzle before this file replaces it.";
constexpr const char* NoAnswersOpening = "The puzzle opens for construction.";

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The misfits under a heading: told when nothing changes, else asked about;
// false when the user declines the changes.
bool MisfitsAccepted(TPrompts& prompts, const QString& heading, const TMisfits& misfits,
                     const QString& after, const QString& question) {
    if (misfits.Empty()) return true;
    QString text = heading;
    for (const auto& line : misfits.All()) text += "\n" + Utf8(line);
    if (!after.isEmpty()) text += "\n\n" + after;
    if (!misfits.MustAsk()) {
        prompts.Inform(text);
        return true;
    }
    return prompts.Confirm(text + "\n\n" + question, TPromptButtons::YesNo) == TPromptAnswer::Yes;
}

// The file's bytes read through the format's reader, asking for what it needs:
// a locked solution's key, and whether to open a file whose checksums fail.
// Nothing when the user declines.
std::optional<TReadResult> ReadAsking(TPrompts& prompts, TExchangeFormat format,
                                      const std::vector<std::uint8_t>& bytes) {
    TReadOptions options;
    TReadResult result = ReadExchange(format, bytes, options);
    while (!result.Ok()) {
        if (result.ChecksumsFailed && !options.IgnoreChecksums) {
            if (prompts.Warning(Utf8(result.Error) + "\n\nOpen it anyway?",
                                TPromptButtons::YesNo) != TPromptAnswer::Yes)
                return std::nullopt;
            options.IgnoreChecksums = true;
        } else if (result.KeyNeeded) {
            const std::optional<QString> key = prompts.AskText(Utf8(result.Error), {}, 4);
            if (!key) return std::nullopt;
            static const QRegularExpression fourDigits("^[0-9]{4}$");
            if (!fourDigits.match(key->trimmed()).hasMatch())
                continue; // not a key at all: asked again
            options.Key = key->trimmed().toInt();
        } else {
            return result;
        }
        result = ReadExchange(format, bytes, options);
    }
    return result;
}

} // namespace

bool TDemMainForm::ImportPuzzle(const QString& path, TExchangeFormat format) {
    TDemProcs& procs = App.DemProcs;
    // The puzzle lives on as an XWD file beside the original, which stays as it was.
    const QFileInfo original(path);
    const QString target = original.dir().filePath(original.completeBaseName() + ".xwd");
    if (puzzles::SameFile(target.toStdString(), path.toStdString())) {
        App.Prompts->ErrorBox(
            QString(KeepsOriginal).arg(QFileInfo(target).fileName(), original.fileName()));
        return false;
    }
    if (puzzles::SameFile(target.toStdString(), procs.PuzzleFileName)) {
        App.Prompts->ErrorBox(QString(ReplacesOpenPuzzle).arg(QFileInfo(target).fileName()));
        return false;
    }
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadFileBytes(path.toStdString());
    } catch (const EExchangeError& e) {
        App.Prompts->ErrorBox(Utf8(e.what()));
        return false;
    }
    const std::optional<TReadResult> read = ReadAsking(*App.Prompts, format, bytes);
    if (!read) return false;
    const TReadResult& result = *read;
    if (!result.Ok()) {
        App.Prompts->ErrorBox(Utf8(result.Error));
        return false;
    }
    TMisfits misfits = result.Misfits;
    misfits += ExportMisfits(TExchangeFormat::Xwd, result.Puzzle, result.Title);
    if (!MisfitsAccepted(*App.Prompts, "Not everything in this file fits a Wordlatch puzzle:\n",
                         misfits, HasAnswers(result.Puzzle) ? QString() : NoAnswersOpening,
                         "Open it anyway?"))
        return false;
    if (QFileInfo::exists(target) &&
        App.Prompts->Confirm(QString(ReplaceXwdQuestion).arg(QFileInfo(target).fileName()),
                             TPromptButtons::YesNo) != TPromptAnswer::Yes)
        return false;
    const TXwdPuzzle previous = procs.Puzzle;
    procs.Puzzle = result.Puzzle;
    if (!Reported([&] { procs.SavePuzzle(target.toStdString()); })) {
        procs.Puzzle = previous;
        return false;
    }
    procs.PuzzleFileName = target.toStdString();
    // The title the XWD file cannot hold is the print title while the program runs.
    App.DemPrintForm->RunTitles[procs.PuzzleFileName] = Utf8(result.Title);
    return true;
}

void TDemMainForm::SavePuzzleAs1Click() {
    TDemProcs& procs = App.DemProcs;
    const QFileInfo current(QString::fromStdString(procs.PuzzleFileName));
    TFileDialogOptions options = XwdDialogOptions("Save puzzle as", current.fileName());
    options.Filter = SaveAsFilter;
    options.Save = true;
    options.OverwritePrompt = true;
    const QString path = App.Services.FileDialogs->Execute(this, options);
    if (path.isEmpty()) return;
    const std::optional<TExchangeFormat> format = FormatOfFile(path.toStdString());
    if (!format) {
        App.Prompts->ErrorBox(NoSaveAsFormat);
        return;
    }
    if (*format == TExchangeFormat::Xwd) {
        if (!Reported([&] { procs.SavePuzzle(path.toStdString()); })) return;
        // The puzzle is this file from now on.
        procs.PuzzleFileName = path.toStdString();
        QString caption = QFileInfo(path).fileName();
        caption.chop(4);
        App.DemGridForm->setWindowTitle(caption.toUpper());
        return;
    }
    // Another format is a copy; the open puzzle stays its XWD file.
    if (puzzles::SameFile(path.toStdString(), procs.PuzzleFileName)) {
        App.Prompts->ErrorBox(CopyOverOwnFile);
        return;
    }
    const std::string title = current.completeBaseName().toStdString();
    std::string bytes;
    try {
        bytes = WriteExchange(*format, procs.Puzzle, title);
    } catch (const EExchangeError& e) {
        App.Prompts->ErrorBox(Utf8(e.what()));
        return;
    }
    if (!MisfitsAccepted(*App.Prompts, "Not everything in this puzzle fits the file:\n",
                         ExportMisfits(*format, procs.Puzzle, title), {}, "Save it anyway?"))
        return;
    Reported([&] { puzzles::WriteWholeFile(path.toStdString(), bytes); });
}

} // namespace wl
