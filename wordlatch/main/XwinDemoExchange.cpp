// The main window's way to other puzzle formats: opening a .puz or .ipuz file
// as an XWD puzzle beside it, and "Save Puzzle As" in every format.
#include "XwinDemo1.h"

#include "DemoGridUnit.h"
#include "Interop.h"
#include "SafeSave.h"
#include "WordlatchApp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace wl {

namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The file's bytes read through the format's reader, asking for what it needs:
// a locked solution's key, and whether to open a file whose checksums fail.
// Nothing when the user declines.
std::optional<TReadResult> ReadAsking(TPrompts& prompts, TExchangeFormat format,
                                      const QByteArray& data) {
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(data.constData()),
                          std::size_t(data.size()));
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
            bool number = false;
            const int typed = key->trimmed().toInt(&number);
            if (!number) continue; // not a key at all: asked again
            options.Key = typed;
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        App.Prompts->ErrorBox(file.errorString());
        return false;
    }
    const std::optional<TReadResult> read = ReadAsking(*App.Prompts, format, file.readAll());
    if (!read) return false;
    const TReadResult& result = *read;
    if (!result.Ok()) {
        App.Prompts->ErrorBox(Utf8(result.Error));
        return false;
    }
    if (!result.Warnings.empty() &&
        App.Prompts->Confirm(Utf8(OpenQuestion(result)), TPromptButtons::YesNo) !=
            TPromptAnswer::Yes)
        return false;
    // The puzzle lives on as an XWD file beside the original, which stays as it was.
    const QFileInfo original(path);
    const QString target = original.dir().filePath(original.completeBaseName() + ".xwd");
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
    std::string bytes;
    try {
        bytes = WriteExchange(*format, procs.Puzzle, current.completeBaseName().toStdString());
    } catch (const EExchangeError& e) {
        App.Prompts->ErrorBox(Utf8(e.what()));
        return;
    }
    Reported([&] { puzzles::WriteWholeFile(path.toStdString(), bytes); });
}

} // namespace wl
