#include "DictionaryUnit.h"

#include "DemoGridUnit.h"
#include "PuzzleHistory.h"
#include "Suggest.h"
#include "ToolControls.h"
#include "ToolLinks.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstring>

namespace wl {

namespace {

// The matches and suggestions shown; the count says how many there are in all.
constexpr std::size_t ShownWords = 500;

} // namespace

TDictionaryForm::TDictionaryForm(TDemProcs& procs, TPuzzleHistory& history, TDemGridForm& grid,
                                 std::function<std::vector<std::string>()> listPaths)
    : QWidget(nullptr, Qt::Tool), Procs(procs), History(history), Grid(grid),
      ListPaths(std::move(listPaths)) {
    setObjectName("DictionaryForm");
    setWindowTitle("Dictionary");
    PatternEdit = new QLineEdit(this);
    PatternEdit->setObjectName("PatternEdit");
    PatternEdit->setPlaceholderText("e.g. C?T or *ING");
    PatternEdit->setToolTip("? stands for one letter, * for any letters");
    ScoreSpin = new QSpinBox(this);
    ScoreSpin->setObjectName("ScoreSpin");
    ScoreSpin->setRange(1, 100);
    ScoreSpin->setValue(1);
    FoundLbl = new QLabel(this);
    FoundLbl->setObjectName("FoundLbl");
    MatchList = Table(this, "MatchList", {"Word", "Score"});
    SuggestLbl = new QLabel(this);
    SuggestLbl->setObjectName("SuggestLbl");
    SuggestList = Table(this, "SuggestList", {"Word", "Score", "Crossings"});
    SuggestList->headerItem()->setToolTip(2, "Words the tightest crossing can still take");
    NoRepeatsChk = new QCheckBox("No answer &twice", this);
    NoRepeatsChk->setObjectName("NoRepeatsChk");
    NoRepeatsChk->setChecked(true);
    FillBtn = Button(this, "FillBtn", "&Fill");
    FillRegionBtn = Button(this, "FillRegionBtn", "Fill &Region");
    AnotherFillBtn = Button(this, "AnotherFillBtn", "&Another Fill");
    CancelBtn = Button(this, "CancelBtn", "Cancel");
    ListsLbl = new QLabel(this);
    ListsLbl->setObjectName("ListsLbl");
    ListsLbl->setWordWrap(true);
    ReloadBtn = Button(this, "ReloadBtn", "Re&load Lists");
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName("ProgressBar");
    ProgressBar->setRange(0, 1000);
    ProgressBar->setTextVisible(false);
    StatusLbl = StatusLabel(this);
    CloseBtn = Button(this, "CloseBtn", "&Close");

    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel("&Pattern:", this));
    search->addWidget(PatternEdit, 1);
    auto* scoreLabel = new QLabel("&Minimum score:", this);
    scoreLabel->setBuddy(ScoreSpin);
    search->addWidget(scoreLabel);
    search->addWidget(ScoreSpin);
    static_cast<QLabel*>(search->itemAt(0)->widget())->setBuddy(PatternEdit);
    auto* lists = new QGridLayout;
    lists->addWidget(FoundLbl, 0, 0);
    lists->addWidget(SuggestLbl, 0, 1);
    lists->addWidget(MatchList, 1, 0);
    lists->addWidget(SuggestList, 1, 1);
    auto* fill = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{NoRepeatsChk, FillBtn, FillRegionBtn, AnotherFillBtn, CancelBtn})
        fill->addWidget(w);
    fill->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ListsLbl, 1);
    bottom->addWidget(ReloadBtn);
    bottom->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addLayout(lists, 1);
    layout->addLayout(fill);
    layout->addWidget(ProgressBar);
    layout->addWidget(StatusLbl);
    layout->addLayout(bottom);
    resize(640, 480);

    ProgressTimer = new QTimer(this);
    ProgressTimer->setInterval(100);
    connect(ProgressTimer, &QTimer::timeout, this, [this] {
        ProgressBar->setValue(Permille);
        if (Filling)
            StatusLbl->setText(QString("Filling: %1 of %2 words placed, %3 steps, %4 s.")
                                   .arg(Placed.load())
                                   .arg(Slots.load())
                                   .arg(Steps.load())
                                   .arg(Milliseconds / 1000.0, 0, 'f', 1));
    });
    connect(PatternEdit, &QLineEdit::textChanged, this, &TDictionaryForm::Search);
    connect(ScoreSpin, &QSpinBox::valueChanged, this, [this] {
        Search();
        ShowSuggestions();
    });
    connect(SuggestList, &QTreeWidget::itemActivated, this, &TDictionaryForm::PlaceSuggestion);
    connect(&Grid, &TDemGridForm::SelectionChanged, this, &TDictionaryForm::ShowSuggestions);
    connect(&History, &TPuzzleHistory::Restored, this, &TDictionaryForm::ShowSuggestions);
    connect(FillBtn, &QPushButton::clicked, this, [this] { StartFill(false, false); });
    connect(FillRegionBtn, &QPushButton::clicked, this, [this] { StartFill(true, false); });
    connect(AnotherFillBtn, &QPushButton::clicked, this, [this] { StartFill(false, true); });
    connect(CancelBtn, &QPushButton::clicked, this, &TDictionaryForm::CancelWork);
    connect(ReloadBtn, &QPushButton::clicked, this, &TDictionaryForm::Reload);
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
    EnableCommands();
}

TDictionaryForm::~TDictionaryForm() {
    if (!Worker) return;
    CancelFlag = true;
    Worker->wait();
    delete Worker;
}

void TDictionaryForm::showEvent(QShowEvent* event) {
    // The lists load on first use, never at start.
    if (!Index && !Worker) Reload();
    ShowSuggestions();
    QWidget::showEvent(event);
}

void TDictionaryForm::closeEvent(QCloseEvent* event) {
    // A fill in progress ends with the window; the load goes on for next time.
    if (Filling) CancelWork();
    QWidget::closeEvent(event);
}

void TDictionaryForm::Run(std::function<void()> work, std::function<void()> done) {
    CancelFlag = false;
    Permille = 0;
    WorkDone = std::move(done);
    Worker = QThread::create(std::move(work));
    connect(Worker, &QThread::finished, this, [this] {
        Worker->deleteLater();
        Worker = nullptr;
        ProgressTimer->stop();
        ProgressBar->setValue(0);
        std::function<void()> done = std::move(WorkDone);
        done();
        EnableCommands();
    });
    ProgressTimer->start();
    Worker->start();
    EnableCommands();
}

void TDictionaryForm::Reload() {
    if (Worker) return;
    StatusLbl->setText("Loading the word lists...");
    const std::vector<std::string> paths = ListPaths();
    Run(
        [this, paths] {
            TDictionary d = LoadDictionary(
                paths, [this](double share) { Permille = int(share * 900); }, &CancelFlag);
            LoadedLists = d.Lists();
            if (!CancelFlag) LoadedIndex = std::make_shared<TWordIndex>(std::move(d).Entries());
        },
        [this] { LoadDone(); });
}

void TDictionaryForm::LoadDone() {
    if (CancelFlag || !LoadedIndex) {
        StatusLbl->setText("Loading cancelled.");
        return;
    }
    Index = std::move(LoadedIndex);
    Lists = std::move(LoadedLists);
    ShowLists();
    StatusLbl->setText(QString("%1 words loaded.").arg(Thousands(Index->Size())));
    Search();
    ShowSuggestions();
    emit Loaded();
}

void TDictionaryForm::ShowLists() {
    QStringList lines;
    for (const TLoadedList& list : Lists) {
        const QString name = QFileInfo(QString::fromStdString(list.Path)).fileName();
        if (!list.Error.empty()) {
            lines << QString("%1: could not be read (%2)").arg(name, QString::fromLocal8Bit(list.Error.c_str()));
            continue;
        }
        QString line = QString("%1: %2 entries").arg(name, Thousands(std::size_t(list.Entries)));
        if (list.Skipped == 1) line += ", 1 bad line skipped";
        if (list.Skipped > 1) line += QString(", %1 bad lines skipped").arg(Thousands(std::size_t(list.Skipped)));
        lines << line;
    }
    ListsLbl->setText("Lists: " + lines.join("; "));
}

void TDictionaryForm::Search() {
    MatchList->clear();
    const QString pattern = PatternEdit->text().trimmed();
    if (!Index || pattern.isEmpty()) {
        FoundLbl->setText(Index ? "Type a pattern." : "Loading the word lists...");
        return;
    }
    const TWordIndex::TMatches m = Index->Match(pattern.toLatin1().toStdString(), ScoreSpin->value(), ShownWords);
    QList<QTreeWidgetItem*> rows;
    for (const TWordEntry* e : m.Best)
        rows << new QTreeWidgetItem({QString::fromStdString(e->Word), QString::number(e->Score)});
    MatchList->addTopLevelItems(rows);
    FoundLbl->setText(m.Found == 1 ? QString("1 found") : QString("%1 found").arg(Thousands(m.Found)));
}

void TDictionaryForm::ShowSuggestions() {
    EnableCommands();
    SuggestList->clear();
    const bool constructing = Procs.PuzzleMode == ModeLetters || Procs.PuzzleMode == ModeSquares;
    const int selected = constructing ? SelectedSlot(Procs, Grid) : -1;
    // Typing to the end of a word ends its selection; its suggestions stay.
    if (selected >= 0 || !constructing) LastSlot = selected;
    const TGridSlots gridSlots(Procs.Puzzle);
    if (LastSlot >= int(gridSlots.Slots().size())) LastSlot = -1;
    if (LastSlot < 0 || !Index) {
        SuggestLbl->setText(constructing ? "Select a word in the grid for suggestions."
                                         : "Suggestions while constructing.");
        return;
    }
    std::size_t found = 0;
    const std::vector<TSuggestion> list =
        Suggest(Procs.Puzzle, gridSlots, LastSlot, *Index, ScoreSpin->value(), ShownWords, &found);
    QList<QTreeWidgetItem*> rows;
    for (const TSuggestion& s : list)
        rows << new QTreeWidgetItem({QString::fromStdString(s.Entry->Word), QString::number(s.Entry->Score),
                                     s.Keeps ? Thousands(s.Keeps) : QString("-")});
    SuggestList->addTopLevelItems(rows);
    SuggestLbl->setText(QString("%1 (%2): %3 fit")
                            .arg(QString::fromStdString(gridSlots.Name(LastSlot)),
                                 QString::fromStdString(SlotLetters(Procs.Puzzle, gridSlots.Slots()[std::size_t(LastSlot)])),
                                 Thousands(found)));
}

void TDictionaryForm::PlaceSuggestion(QTreeWidgetItem* item) {
    const TGridSlots gridSlots(Procs.Puzzle);
    if (!item || Busy() || LastSlot < 0 || LastSlot >= int(gridSlots.Slots().size())) return;
    const TSlot& slot = gridSlots.Slots()[std::size_t(LastSlot)];
    const std::string word = item->text(0).toStdString();
    if (word.size() != slot.Cells.size()) return;
    const int n = gridSlots.Side();
    History.Change("Word", [&] {
        for (std::size_t i = 0; i < word.size(); ++i)
            Procs.Puzzle.Solution(slot.Cells[i] % n + 1, slot.Cells[i] / n + 1) = std::uint8_t(word[i]);
    });
    Grid.Invalidate();
    Grid.SelectWordAt(slot.X, slot.Y, slot.Direction == 'a' ? 1 : 2);
}

void TDictionaryForm::StartFill(bool region, bool another) {
    if (Worker || !Index) return;
    TFillOptions options;
    options.MinScore = ScoreSpin->value();
    options.NoRepeats = NoRepeatsChk->isChecked();
    if (another) ++Seed;
    options.Seed = Seed;
    if (region) {
        const int selected = SelectedSlot(Procs, Grid);
        const int slot = selected >= 0 ? selected : LastSlot;
        if (slot < 0) {
            StatusLbl->setText("Select a word in the grid to fill its region.");
            return;
        }
        const TSlot& s = TGridSlots(Procs.Puzzle).Slots()[std::size_t(slot)];
        options.Region = TWordAt{s.X, s.Y, s.Direction};
    }
    FillStart = Procs.Puzzle;
    Filling = true;
    Placed = Slots = 0;
    Steps = 0;
    Milliseconds = 0;
    StatusLbl->setText("Filling...");
    const std::shared_ptr<const TWordIndex> words = Index;
    Run(
        [this, words, options] {
            FillResult = FillGrid(FillStart, *words, options, &CancelFlag, [this](const TFillProgress& p) {
                Placed = p.Placed;
                Slots = p.Slots;
                Steps = p.Steps;
                Milliseconds = int(p.Seconds * 1000);
                Permille = p.Slots ? 1000 * p.Placed / p.Slots : 0;
            });
        },
        [this] { FillDone(); });
}

void TDictionaryForm::FillDone() {
    Filling = false;
    const TFillResult& r = FillResult;
    const QString slot = QString::fromStdString(r.HardestSlot);
    switch (r.Outcome) {
    case TFillOutcome::Filled:
        // The grid may not change under a fill: the user keeps what they did since.
        if (std::memcmp(&Procs.Puzzle, &FillStart, sizeof FillStart) != 0) {
            StatusLbl->setText(GridChangedText);
            break;
        }
        History.Change("Fill", [&] { Procs.Puzzle = r.Puzzle; });
        Grid.Invalidate();
        StatusLbl->setText(QString("Filled %1 words (mean score %2) in %3 s.")
                               .arg(r.Placed)
                               .arg(r.MeanScore, 0, 'f', 1)
                               .arg(r.Seconds, 0, 'f', 2));
        ShowSuggestions();
        break;
    case TFillOutcome::NothingToFill:
        StatusLbl->setText("Nothing to fill: every square there has a letter.");
        break;
    case TFillOutcome::NoFill:
        StatusLbl->setText(QString("No fill exists with these lists: %1 cannot be filled.").arg(slot));
        break;
    case TFillOutcome::TimedOut:
        StatusLbl->setText(QString("No fill found in %1 s; %2 failed most.").arg(r.Seconds, 0, 'f', 0).arg(slot));
        break;
    case TFillOutcome::Cancelled:
        StatusLbl->setText(FillCancelledText);
        break;
    }
    emit FillEnded(r.Outcome);
}

void TDictionaryForm::CancelWork() {
    CancelFlag = true;
}

void TDictionaryForm::EnableCommands() {
    const bool constructing = Procs.PuzzleMode == ModeLetters || Procs.PuzzleMode == ModeSquares;
    const bool idle = !Worker && Index;
    for (QPushButton* b : {FillBtn, FillRegionBtn, AnotherFillBtn}) b->setEnabled(idle && constructing);
    ReloadBtn->setEnabled(!Worker);
    CancelBtn->setEnabled(Worker != nullptr);
}

} // namespace wl
