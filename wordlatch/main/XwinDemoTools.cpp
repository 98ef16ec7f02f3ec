// The Tools menu: each command opens its window, or starts the program its
// path on the Tools page names.
#include "XwinDemo1.h"

#include "ClueBankUnit.h"
#include "DemoAutoUnit.h"
#include "DemoGridUnit.h"
#include "DemoPrefUnit.h"
#include "DemoPrintUnit.h"
#include "DictionaryUnit.h"
#include "MailbotUnit.h"
#include "SafeSave.h"
#include "ScratchpadUnit.h"
#include "ThesaurusUnit.h"
#include "ToolLinks.h"
#include "WordlatchApp.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>

namespace wl {

namespace {

void ShowTool(QWidget& w) {
    w.show();
    w.raise();
    w.activateWindow();
}

} // namespace

bool TDemMainForm::StartedToolProgram(const QString& path) {
    if (!IsToolProgram(path)) return false;
    QStringList arguments;
    if (!App.DemProcs.PuzzleFileName.empty()) arguments << QString::fromStdString(App.DemProcs.PuzzleFileName);
    const std::string word = SelectedWord(App.DemProcs, *App.DemGridForm);
    if (!word.empty()) arguments << QString::fromStdString(word);
    if (const std::optional<QString> reason = StartToolProgram(path, arguments))
        App.Prompts->ErrorBox(QString("The program %1 could not be started: %2").arg(path, *reason));
    return true;
}

bool TDemMainForm::InsertIntoClue(const QString& text) {
    TAutoclueForm& editor = *App.AutoclueForm;
    if (!editor.isVisible()) return false;
    editor.InsertText(text);
    return true;
}

void TDemMainForm::Dictionary1Click() {
    if (StartedToolProgram(App.DemPrefForm->ToolPaths.Dictionary)) return;
    if (!App.DictionaryForm)
        App.DictionaryForm = std::make_unique<TDictionaryForm>(App.DemProcs, App.History, *App.DemGridForm,
                                                               [this] { return App.WordListPaths(); });
    ShowTool(*App.DictionaryForm);
}

void TDemMainForm::Thesaurus1Click() {
    const TToolPaths& paths = App.DemPrefForm->ToolPaths;
    if (StartedToolProgram(paths.Thesaurus)) return;
    if (!App.ThesaurusForm) {
        App.ThesaurusForm = std::make_unique<TThesaurusForm>(
            [&paths] { return paths.Thesaurus; },
            [this] { return SelectedWord(App.DemProcs, *App.DemGridForm); },
            [this](const QString& text) { return InsertIntoClue(text); });
        connect(App.DemGridForm.get(), &TDemGridForm::SelectionChanged, App.ThesaurusForm.get(),
                &TThesaurusForm::ShowSelectedWord);
    }
    ShowTool(*App.ThesaurusForm);
    App.ThesaurusForm->ShowSelectedWord();
}

void TDemMainForm::ClueBank1Click() {
    const TToolPaths& paths = App.DemPrefForm->ToolPaths;
    if (StartedToolProgram(paths.ClueBank)) return;
    if (!App.ClueBankForm) {
        // The bank holds the folder the path names, else the open puzzle's;
        // with neither there is none (never the whole current folder tree).
        const auto folder = [this, &paths] {
            if (!paths.ClueBank.isEmpty()) return paths.ClueBank;
            const std::string& puzzle = App.DemProcs.PuzzleFileName;
            return puzzle.empty() ? QString() : QFileInfo(QString::fromStdString(puzzle)).absolutePath();
        };
        // A clue from the bank replaces the clue of the editor's word.
        const auto putClue = [this](const QString& clue) {
            if (!App.AutoclueForm->isVisible()) return false;
            App.AutoclueForm->DefEdit->selectAll();
            return InsertIntoClue(clue);
        };
        App.ClueBankForm = std::make_unique<TClueBankForm>(
            folder, [this] { return SelectedWord(App.DemProcs, *App.DemGridForm); }, putClue,
            DefaultClueBankDatabase());
        connect(App.DemGridForm.get(), &TDemGridForm::SelectionChanged, App.ClueBankForm.get(),
                &TClueBankForm::ShowCurrentWord);
    }
    ShowTool(*App.ClueBankForm);
    App.ClueBankForm->ShowCurrentWord();
}

void TDemMainForm::Scratchpad1Click() {
    const TToolPaths& paths = App.DemPrefForm->ToolPaths;
    if (StartedToolProgram(paths.Scratchpad)) return;
    if (!App.ScratchpadForm)
        App.ScratchpadForm = std::make_unique<TScratchpadForm>(
            [&paths] { return paths.Scratchpad; },
            [this] { return SelectedWord(App.DemProcs, *App.DemGridForm); });
    ShowTool(*App.ScratchpadForm);
}

QString TDemMainForm::MailAttachment(TMailAttachment kind, const QString& title) {
    TDemProcs& procs = App.DemProcs;
    const QString puzzle = QString::fromStdString(procs.PuzzleFileName);
    if (kind == TMailAttachment::Xwd) return puzzle;
    // Copies go to a folder of their own, where the mail program may read them later.
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/wordlatch/mail";
    const QString extension = kind == TMailAttachment::Puz ? ".puz" : kind == TMailAttachment::Ipuz ? ".ipuz" : ".pdf";
    const QString file = folder + "/" + QFileInfo(puzzle).completeBaseName() + extension;
    if (!QDir().mkpath(folder)) {
        App.Prompts->ErrorBox("The folder " + folder + " cannot be made.");
        return {};
    }
    if (puzzles::SameFile(file.toStdString(), procs.PuzzleFileName)) {
        App.Prompts->ErrorBox(CopyOverOwnFile);
        return {};
    }
    const bool made = Reported([&] {
        if (kind == TMailAttachment::Pdf) {
            App.DemPrintForm->WritePuzzlePagePdf(file);
            return;
        }
        const TExchangeFormat format = kind == TMailAttachment::Puz ? TExchangeFormat::Puz : TExchangeFormat::Ipuz;
        puzzles::WriteWholeFile(file.toStdString(), WriteExchange(format, procs.Puzzle, title.toStdString()));
    });
    return made ? file : QString();
}

void TDemMainForm::Mailbot1Click() {
    TDemProcs& procs = App.DemProcs;
    const QString& path = App.DemPrefForm->ToolPaths.Mailbot;
    if (!path.isEmpty() && !IsToolProgram(path)) {
        App.Prompts->ErrorBox(QString("The Mailbot path %1 names no program that can be run.").arg(path));
        return;
    }
    if (procs.PuzzleFileName.empty()) {
        App.Prompts->Inform("Open or start a puzzle to send it.");
        return;
    }
    if (procs.PuzzleMode != ModeSolve && procs.PuzzleChanged) {
        const TPromptAnswer answer =
            App.Prompts->Confirm("Puzzle has changed. Save current changes?", TPromptButtons::YesNoCancel);
        if (answer == TPromptAnswer::Cancel) return;
        if (answer == TPromptAnswer::Yes && !Reported([&] { procs.SavePuzzle(procs.PuzzleFileName); })) return;
    }
    if (!App.MailbotForm) App.MailbotForm = std::make_unique<TMailbotForm>(this);
    TMailbotForm& form = *App.MailbotForm;
    form.Prepare(App.DemPrintForm->PuzzleTitle());
    if (form.exec() != QDialog::Accepted) return;
    const QString attachment = MailAttachment(form.Attachment(), form.Subject());
    if (attachment.isEmpty()) return;
    const QString program = path.isEmpty() ? QString(DesktopMailProgram) : path;
    RunMailProgram(this, program, MailArguments(form.Subject(), attachment),
                   [this](const QString& failure) { App.Prompts->ErrorBox(failure); });
}

} // namespace wl
