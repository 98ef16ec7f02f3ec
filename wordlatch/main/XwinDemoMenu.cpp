// The main window's menu and the commands that hand over to other windows.
#include "XwinDemo1.h"

#include "AnalysisUnit.h"
#include "DemoAboutUnit.h"
#include "DemoClueUnit.h"
#include "DemoGridUnit.h"
#include "DemoMsgUnit.h"
#include "DemoPrefUnit.h"
#include "DemoPrintUnit.h"
#include "ExportUnit.h"
#include "HelpWindow.h"
#include "ScoreUnit.h"
#include "WordlatchApp.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolButton>

namespace wl {

namespace {

QAction* Item(QMenu* menu, const char* name, const QString& caption,
              const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

QMenu* SubMenu(QWidget* parent, const char* name, const QString& caption) {
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(QString(name) + "Item");
    return menu;
}

} // namespace

QList<QAction*> TDemMainForm::MenuKeys() const {
    QList<QAction*> keyed;
    for (QAction* a : findChildren<QAction*>())
        if (!a->shortcut().isEmpty()) keyed << a;
    return keyed;
}

void TDemMainForm::CreateHistoryKeys() {
    TPuzzleHistory& history = App.History;
    const auto key = [this](const char* name, const QKeySequence& keys) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        action->setShortcut(keys);
        action->setEnabled(false);
        addAction(action);
        return action;
    };
    Undo1 = key("Undo1", Qt::CTRL | Qt::Key_Z);
    Redo1 = key("Redo1", Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    connect(Undo1, &QAction::triggered, &history, &TPuzzleHistory::Undo);
    connect(Redo1, &QAction::triggered, &history, &TPuzzleHistory::Redo);
    connect(&history.Stack, &QUndoStack::canUndoChanged, Undo1, &QAction::setEnabled);
    connect(&history.Stack, &QUndoStack::canRedoChanged, Redo1, &QAction::setEnabled);
    connect(&history, &TPuzzleHistory::Restored, this, &TDemMainForm::ShowRestored);
}

void TDemMainForm::CreateMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    // All five menus fit the narrow window on one line.
    QFont font("Arial");
    font.setPixelSize(12);
    bar->setFont(font);
    bar->setStyleSheet("QMenuBar { spacing: 0px; background: palette(window); } QMenuBar::item { "
                       "padding: 2px 3px; background: transparent; }"
                       "QMenuBar::item:selected { background: palette(highlight); color: "
                       "palette(highlighted-text); }");

    QMenu* puzzle = SubMenu(this, "Puzzle1", "&Puzzle");
    Solve1 = Item(puzzle, "Solve1", "&Solve...");
    QMenu* construct = SubMenu(puzzle, "Construct1", "&Construct");
    QMenu* sizes = SubMenu(construct, "New1", "&New");
    N11x1 = Item(sizes, "N11x1", "11x");
    N13x1 = Item(sizes, "N13x1", "13x");
    N15x1 = Item(sizes, "N15x1", "15x");
    N17x1 = Item(sizes, "N17x1", "17x");
    N21x1 = Item(sizes, "N21x1", "19x");
    N21x2 = Item(sizes, "N21x2", "21x");
    N23x1 = Item(sizes, "N23x1", "23x");
    construct->addMenu(sizes);
    Open1 = Item(construct, "Open1", "&Open...");
    puzzle->addMenu(construct);
    puzzle->addSeparator();
    Save1 = Item(puzzle, "Save1", "Sa&ve", QKeySequence("Ctrl+S"));
    SavePuzzleAs1 = Item(puzzle, "SavePuzzleAs1", "Save Puzzle &As...");
    CopyGridAs1 = Item(puzzle, "CopyGridAs1", "Copy &Grid As...");
    puzzle->addSeparator();
    Print1 = Item(puzzle, "Print1", "&Print...", QKeySequence("Ctrl+P"));
    PrinterSetup1 = Item(puzzle, "PrinterSetup1", "P&rinter Setup...");
    puzzle->addSeparator();
    Exit1 = Item(puzzle, "Exit1", "E&xit", QKeySequence("Ctrl+X"));
    bar->addMenu(puzzle);

    QMenu* options = SubMenu(this, "Options1", "&Options ");
    ScorePuzzle1 = Item(options, "ScorePuzzle1", "&Score Puzzle");
    ReverttoSaved1 = Item(options, "ReverttoSaved1", "&Revert to Saved");
    ScanGrid1 = Item(options, "ScanGrid1", "Scan &Grid...");
    options->addSeparator();
    AutoArrange1 = Item(options, "AutoArrange1", "&Auto Arrange", QKeySequence("F9"));
    Preferences1 = Item(options, "Preferences1", "&Preferences...");
    bar->addMenu(options);

    Special1 = SubMenu(this, "Special1", "&Special");
    ExportMetafile1 = Item(Special1, "ExportMetafile1", "Export &Metafile");
    ExportEPS1 = Item(Special1, "ExportEPS1", "Export &EPS");
    Special1->addSeparator();
    ExportRTFFile1 = Item(Special1, "ExportRTFFile1", "Export &RTF File");
    RTFGridtoClipboard1 = Item(Special1, "RTFGridtoClipboard1", "RT&F Grid to Clipboard");
    Special1->addSeparator();
    GridtoClipboard1 = Item(Special1, "GridtoClipboard1", "&Grid to Clipboard");
    SolutiontoClipboard1 = Item(Special1, "SolutiontoClipboard1", "&Solution to Clipboard");
    CluestoClipboard1 = Item(Special1, "CluestoClipboard1", "&Clues to Clipboard");
    Special1->addSeparator();
    ShowGuidelines1 = Item(Special1, "ShowGuidelines1", "Sho&w Guidelines");
    QMenu* transform = SubMenu(Special1, "Transform1", "&Transform");
    Invert1 = Item(transform, "Invert1", "&Invert");
    Turn1 = Item(transform, "Turn1", "&Turn");
    Flip1 = Item(transform, "Flip1", "&Flip");
    Special1->addMenu(transform);
    Byline1 = Item(Special1, "Byline1", "&Byline...");
    Special1->addSeparator();
    Analysis1 = Item(Special1, "Analysis1", "&Analysis...");
    bar->addMenu(Special1);

    QMenu* tools = SubMenu(this, "Tools1", "&Tools");
    Dictionary1 = Item(tools, "Dictionary1", "&Dictionary...", QKeySequence("Ctrl+D"));
    Thesaurus1 = Item(tools, "Thesaurus1", "&Thesaurus...");
    tools->addSeparator();
    ClueBank1 = Item(tools, "ClueBank1", "&ClueBank...");
    Scratchpad1 = Item(tools, "Scratchpad1", "&Scratchpad...");
    Mailbot1 = Item(tools, "Mailbot1", "&Mailbot...");
    bar->addMenu(tools);

    QMenu* help = SubMenu(this, "Help1", "&Help");
    Help2 = Item(help, "Help2", "&Help Topics");
    help->addSeparator();
    About1 = Item(help, "About1", "&About Wordlatch...");
    bar->addMenu(help);

    // Puzzle commands wait for a puzzle; the construction ones and the whole
    // "&Special" menu are switched on by ShowPuzzle. Entries without an action
    // of their own follow the same rules and leave the puzzle alone.
    for (QAction* a : PuzzleItems()) a->setEnabled(false);
    for (QAction* a : ConstructionItems()) a->setEnabled(false);

    connect(Solve1, &QAction::triggered, this, [this] { Open1Click(true); });
    connect(Open1, &QAction::triggered, this, [this] { Open1Click(false); });
    for (QAction* a : {N11x1, N13x1, N15x1, N17x1, N21x1, N21x2, N23x1})
        connect(a, &QAction::triggered, this, [this, a] { NewPuzzleClick(a); });
    connect(Save1, &QAction::triggered, this, &TDemMainForm::Save1Click);
    connect(Print1, &QAction::triggered, this, &TDemMainForm::Print1Click);
    connect(PrinterSetup1, &QAction::triggered, this, &TDemMainForm::PrinterSetup1Click);
    connect(Exit1, &QAction::triggered, this, &TDemMainForm::Exit1Click);
    connect(ScorePuzzle1, &QAction::triggered, this, &TDemMainForm::ScorePuzzle1Click);
    connect(ReverttoSaved1, &QAction::triggered, this, &TDemMainForm::ReverttoSaved1Click);
    connect(AutoArrange1, &QAction::triggered, this, &TDemMainForm::AutoArrange1Click);
    connect(Preferences1, &QAction::triggered, this, &TDemMainForm::Preferences1Click);
    for (QAction* a : {GridtoClipboard1, SolutiontoClipboard1, CluestoClipboard1})
        connect(a, &QAction::triggered, this, [this, a] { ToClipboardClick(a); });
    connect(Analysis1, &QAction::triggered, this, &TDemMainForm::Analysis1Click);
    connect(Help2, &QAction::triggered, this, &TDemMainForm::Help2Click);
    connect(About1, &QAction::triggered, this, &TDemMainForm::About1Click);
    connect(SavePuzzleAs1, &QAction::triggered, this, &TDemMainForm::SavePuzzleAs1Click);
    connect(CopyGridAs1, &QAction::triggered, this, &TDemMainForm::CopyGridAs1Click);
    ShowGuidelines1->setCheckable(true);
    connect(ShowGuidelines1, &QAction::triggered, this, &TDemMainForm::ShowGuidelines1Click);
    connect(Invert1, &QAction::triggered, this, [this] { TransformClick(TTransform::Invert); });
    connect(Turn1, &QAction::triggered, this, [this] { TransformClick(TTransform::Turn); });
    connect(Flip1, &QAction::triggered, this, [this] { TransformClick(TTransform::Flip); });
    connect(Byline1, &QAction::triggered, this, &TDemMainForm::Byline1Click);
    connect(ScanGrid1, &QAction::triggered, this, &TDemMainForm::ScanGrid1Click);
    connect(Dictionary1, &QAction::triggered, this, &TDemMainForm::Dictionary1Click);
    connect(Thesaurus1, &QAction::triggered, this, &TDemMainForm::Thesaurus1Click);
    connect(ClueBank1, &QAction::triggered, this, &TDemMainForm::ClueBank1Click);
    connect(Scratchpad1, &QAction::triggered, this, &TDemMainForm::Scratchpad1Click);
    connect(Mailbot1, &QAction::triggered, this, &TDemMainForm::Mailbot1Click);
    for (QAction* a : {ExportMetafile1, ExportEPS1, ExportRTFFile1})
        connect(a, &QAction::triggered, this, [this, a] { ExportFileClick(a); });
    connect(RTFGridtoClipboard1, &QAction::triggered, this, &TDemMainForm::RTFGridtoClipboard1Click);
}

std::array<QAction*, 4> TDemMainForm::PuzzleItems() const {
    return {Save1, Print1, ScorePuzzle1, ReverttoSaved1};
}

std::array<QAction*, 4> TDemMainForm::ConstructionItems() const {
    return {SavePuzzleAs1, CopyGridAs1, ScanGrid1, Special1->menuAction()};
}

void TDemMainForm::Print1Click() {
    if (App.DemProcs.PuzzleMode == ModeSolve) {
        Reported([&] {
            App.InfoWin->ShowWhile(InfoPrinting, [&] { App.DemPrintForm->PrintPuzzlePageNow(); });
        });
        return;
    }
    UpdateBtnClick();
    App.DemPrintForm->SpecText = SpecText();
    App.DemPrintForm->exec();
}

void TDemMainForm::PrinterSetup1Click() {
    App.Printers.Setup(this);
}

void TDemMainForm::ToClipboardClick(QAction* item) {
    const QString title = QFileInfo(QString::fromStdString(App.DemProcs.PuzzleFileName)).fileName();
    TExportForm& exporter = *App.ExportForm;
    Reported([&] {
        App.InfoWin->ShowWhile(InfoExporting, [&] {
            if (item == CluestoClipboard1)
                exporter.CluesToClipboard();
            else
                exporter.GridToClipboard(
                    item == SolutiontoClipboard1 ? SolutionPicture : NumberedPicture, title);
        });
    });
}

void TDemMainForm::ScorePuzzle1Click() {
    ScoreResult(App.ScoreForm->exec());
}

void TDemMainForm::ScoreResult(int modalResult) {
    TDemProcs& procs = App.DemProcs;
    if (modalResult == mrYes) {
        App.DemGridForm->MarkErrors();
        return;
    }
    if (modalResult != mrAbort) return;
    // Delete the solved puzzle: the file keeps its place under the extension ".XW!".
    for (QAction* a : PuzzleItems()) a->setEnabled(false);
    SetToolEnabled(CheatBtn, false);
    ModeLabel->clear();
    DataMemo->clear();
    Byline->setText("!!! DELETED !!!");
    procs.AllowChildClose = true;
    App.DemGridForm->close();
    App.CluesForm->close();
    procs.AllowChildClose = false;
    Reported([&] { procs.BackupPuzzle(procs.PuzzleFileName); });
    // Nothing is left to take back into a deleted puzzle.
    App.History.Restart();
}

void TDemMainForm::Preferences1Click() {
    App.DemPrefForm->exec();
}

void TDemMainForm::Analysis1Click() {
    App.AnalysisForm->exec();
}

void TDemMainForm::Help2Click() {
    const QString file = FindFileIgnoringCase(App.Services.ProgramFolder, HelpFileName);
    if (!App.Help->ShowContents(file))
        App.Prompts->ErrorBox(
            QString("The help file %1 was not found beside the program.").arg(HelpFileName));
}

void TDemMainForm::About1Click() {
    App.DemAboutForm->exec();
}

void TDemMainForm::Exit1Click() {
    close();
}

} // namespace wl
