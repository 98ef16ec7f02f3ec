#include "ClueBankUnit.h"

#include "ToolControls.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace wl {

namespace {

std::string FileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

QString DefaultClueBankDatabase() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/wordlatch/cluebank.sqlite";
}

TClueBankForm::TClueBankForm(std::function<QString()> bankFolder, std::function<std::string()> selectedWord,
                             std::function<bool(const QString&)> putClue, QString databasePath, QWidget* parent)
    : QWidget(parent, Qt::Tool), BankFolder(std::move(bankFolder)), SelectedWord(std::move(selectedWord)),
      PutClueInto(std::move(putClue)), DatabasePath(std::move(databasePath)) {
    setObjectName("ClueBankForm");
    setWindowTitle("ClueBank");
    SearchEdit = new QLineEdit(this);
    SearchEdit->setObjectName("SearchEdit");
    SearchEdit->setClearButtonEnabled(true);
    AnswerRadio = new QRadioButton("Answer or pattern", this);
    AnswerRadio->setObjectName("AnswerRadio");
    AnswerRadio->setToolTip("? stands for one letter, * for any letters: C?T, *ING");
    AnswerRadio->setChecked(true);
    ClueRadio = new QRadioButton("Words in the clue", this);
    ClueRadio->setObjectName("ClueRadio");
    FoundLbl = new QLabel(this);
    FoundLbl->setObjectName("FoundLbl");
    ResultList = Table(this, "ResultList", {"Clue", "Answer", "Puzzle"});
    ResultList->setToolTip("Enter or double-click gives the selected word this clue");
    UnreadLbl = new QLabel(this);
    UnreadLbl->setObjectName("UnreadLbl");
    UnreadList = Table(this, "UnreadList", {"File", "Why"});
    UnreadList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    UnreadList->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    UnreadList->setMaximumHeight(110);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName("ProgressBar");
    ProgressBar->setTextVisible(false);
    ProgressBar->setRange(0, 1);
    CancelBtn = Button(this, "CancelBtn", "Cancel");
    StatusLbl = StatusLabel(this);
    CloseBtn = Button(this, "CloseBtn", "&Close");

    auto* search = new QHBoxLayout;
    auto* findLabel = new QLabel("&Find:", this);
    findLabel->setBuddy(SearchEdit);
    search->addWidget(findLabel);
    search->addWidget(SearchEdit, 1);
    auto* kind = new QHBoxLayout;
    kind->addWidget(AnswerRadio);
    kind->addWidget(ClueRadio);
    kind->addStretch();
    kind->addWidget(FoundLbl);
    auto* progress = new QHBoxLayout;
    progress->addWidget(ProgressBar, 1);
    progress->addWidget(CancelBtn);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(StatusLbl, 1);
    bottom->addWidget(CloseBtn, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addLayout(kind);
    layout->addWidget(ResultList, 1);
    layout->addWidget(UnreadLbl);
    layout->addWidget(UnreadList);
    layout->addLayout(progress);
    layout->addLayout(bottom);
    UnreadLbl->hide();
    UnreadList->hide();
    CancelBtn->setEnabled(false);
    resize(640, 460);

    ProgressTimer = new QTimer(this);
    ProgressTimer->setInterval(100);
    connect(ProgressTimer, &QTimer::timeout, this, [this] {
        const int found = FilesFound, done = FilesDone;
        if (found == 0) return;
        ProgressBar->setRange(0, found);
        ProgressBar->setValue(done);
        StatusLbl->setText(QString("Reading the puzzle files: %1 of %2...").arg(Thousands(std::size_t(done)),
                                                                                Thousands(std::size_t(found))));
    });
    connect(SearchEdit, &QLineEdit::textChanged, this, &TClueBankForm::Search);
    connect(AnswerRadio, &QRadioButton::toggled, this, &TClueBankForm::Search);
    connect(ResultList, &QTreeWidget::itemActivated, this, &TClueBankForm::PutClue);
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelFlag = true; });
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
    Search();
}

TClueBankForm::~TClueBankForm() {
    if (!Worker) return;
    CancelFlag = true;
    Worker->wait();
    delete Worker;
}

void TClueBankForm::showEvent(QShowEvent* event) {
    // Nothing is opened before the window is first shown; each showing picks
    // up the puzzles saved since.
    StartUpdate();
    QWidget::showEvent(event);
}

void TClueBankForm::StartUpdate() {
    if (Worker) return;
    const std::string folder = FileName(BankFolder());
    Folder = folder;
    if (!Writer) Writer = std::make_unique<TClueBank>();
    const bool opening = !Writer->IsOpen();
    if (opening) OpenResult = {};
    Report = {};
    CancelFlag = false;
    FilesDone = FilesFound = 0;
    StatusLbl->setText(opening ? "Opening the clue bank..." : "Looking for changed puzzle files...");
    Worker = QThread::create([this, folder, opening, db = FileName(DatabasePath)] {
        if (opening) {
            OpenResult = Writer->Open(db);
            if (!OpenResult.Error.empty()) return;
            QMetaObject::invokeMethod(this, &TClueBankForm::Opened, Qt::QueuedConnection);
        }
        if (!folder.empty())
            Report = Writer->Update(
                folder, [this](int done, int found) { FilesDone = done, FilesFound = found; }, &CancelFlag);
    });
    connect(Worker, &QThread::finished, this, [this] {
        Worker->deleteLater();
        Worker = nullptr;
        UpdateDone();
    });
    CancelBtn->setEnabled(true);
    ProgressTimer->start();
    Worker->start();
}

void TClueBankForm::Opened() {
    const std::string error = Reader.OpenToSearch(FileName(DatabasePath));
    if (!error.empty()) StatusLbl->setText(QString::fromStdString(error));
    Search();
}

void TClueBankForm::UpdateDone() {
    ProgressTimer->stop();
    ProgressBar->setRange(0, 1);
    ProgressBar->setValue(0);
    CancelBtn->setEnabled(false);
    const TBankUpdate& r = Report;
    if (!OpenResult.Error.empty()) {
        StatusLbl->setText(QString::fromStdString(OpenResult.Error));
        FoundLbl->setText("The clue bank cannot be used.");
        emit Updated();
        return;
    }
    // A bank found damaged during the update was made anew under the search's
    // connection, which must follow it.
    if (!r.SetAside.empty()) Opened();
    QString status;
    const std::string& aside = !r.SetAside.empty() ? r.SetAside : OpenResult.SetAside;
    if (!aside.empty())
        status = QString("The clue bank was damaged; it was set aside as %1 and built anew. ")
                     .arg(QString::fromStdString(aside));
    OpenResult.SetAside.clear();
    const QString bank = QString("%1 from %2").arg(Counted(r.Clues, "clue", "clues"),
                                                   Counted(r.Puzzles, "puzzle", "puzzles"));
    if (Folder.empty()) status += "No bank folder: open a puzzle, or choose the folder in the preferences.";
    else if (!r.Error.empty()) status += QString::fromStdString(r.Error);
    else if (r.FolderMissing) status += QString("The bank folder %1 does not exist.").arg(BankFolder());
    else if (r.Cancelled) status += QString("Update cancelled; the bank holds %1 read so far.").arg(bank);
    else {
        status += QString("The bank holds %1").arg(bank);
        if (r.Read) status += QString("; %1 read").arg(Counted(std::size_t(r.Read), "file", "files"));
        if (r.Dropped) status += QString("; %1 gone").arg(Counted(std::size_t(r.Dropped), "file", "files"));
        status += '.';
    }
    StatusLbl->setText(status);

    if (!Folder.empty()) {
        UnreadList->clear();
        for (const TUnreadFile& f : r.Unreadable) {
            auto* row = new QTreeWidgetItem({QString::fromStdString(f.Name), QString::fromStdString(f.Reason)});
            row->setToolTip(1, row->text(1));
            UnreadList->addTopLevelItem(row);
        }
        UnreadLbl->setText(Counted(r.Unreadable.size(), "file", "files") + " could not be read:");
        UnreadLbl->setVisible(!r.Unreadable.empty());
        UnreadList->setVisible(!r.Unreadable.empty());
    }
    if (r.Read || r.Dropped || !r.SetAside.empty()) Search();
    emit Updated();
    // Shown again for another folder while this update ran: follow it.
    if (isVisible() && FileName(BankFolder()) != Folder) StartUpdate();
}

void TClueBankForm::Search() {
    ResultList->clear();
    const std::string text = SearchEdit->text().toStdString();
    if (!Reader.IsOpen()) {
        FoundLbl->setText("Opening the clue bank...");
        return;
    }
    const bool byAnswer = AnswerRadio->isChecked();
    const TBankSearch found = byAnswer ? Reader.SearchAnswer(text) : Reader.SearchClues(text);
    if (!found.Error.empty()) StatusLbl->setText(QString::fromStdString(found.Error));
    QList<QTreeWidgetItem*> rows;
    for (const TBankClue& c : found.Clues) {
        auto* row = new QTreeWidgetItem(
            {QString::fromStdString(c.Clue), QString::fromStdString(c.Answer), QString::fromStdString(c.Puzzle)});
        row->setToolTip(0, row->text(0));
        row->setToolTip(2, QString("%1 %2").arg(c.Number).arg(c.Across ? "Across" : "Down"));
        rows << row;
    }
    ResultList->addTopLevelItems(rows);
    if (QString::fromStdString(text).trimmed().isEmpty())
        FoundLbl->setText(byAnswer ? "Type an answer or a pattern." : "Type words of the clue.");
    else if (found.Found == 0) FoundLbl->setText("No clues");
    else if (found.Found > found.Clues.size())
        FoundLbl->setText(QString("%1 of %2").arg(Thousands(found.Clues.size()), Counted(found.Found, "clue", "clues")));
    else FoundLbl->setText(Counted(found.Found, "clue", "clues"));
}

void TClueBankForm::ShowCurrentWord() {
    // The grid's selection moves with every key; a hidden bank need not follow it.
    if (!isVisible()) return;
    const std::string word = SelectedWord();
    const bool whole = !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
    if (!whole) return;
    {
        const QSignalBlocker blockRadio(AnswerRadio), blockEdit(SearchEdit);
        AnswerRadio->setChecked(true);
        SearchEdit->setText(QString::fromStdString(word));
    }
    Search();
}

void TClueBankForm::PutClue(QTreeWidgetItem* item) {
    if (!item) return;
    if (PutClueInto(item->text(0)))
        StatusLbl->setText(QString("The clue \"%1\" is in the clue editor.").arg(item->text(0)));
    else
        StatusLbl->setText("The clue cannot be put in: select a word of the puzzle to give it a clue.");
}

} // namespace wl
