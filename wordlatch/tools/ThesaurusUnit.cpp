#include "ThesaurusUnit.h"

#include "Thesaurus.h"
#include "ToolControls.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace wl {

namespace {

QFont Bold(QFont font) {
    font.setBold(true);
    return font;
}

// A tree view measures its rows without the column's width, which cuts a long
// heading short instead of wrapping it.
class TWrappingDelegate : public QStyledItemDelegate {
public:
    explicit TWrappingDelegate(QTreeView* tree) : QStyledItemDelegate(tree), Tree(tree) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        int depth = 1;
        for (QModelIndex p = index.parent(); p.isValid(); p = p.parent()) ++depth;
        QStyleOptionViewItem measured = option;
        measured.rect = QRect(0, 0, Tree->columnWidth(0) - depth * Tree->indentation(), 1);
        return QStyledItemDelegate::sizeHint(measured, index);
    }

private:
    QTreeView* Tree;
};

} // namespace

TThesaurusForm::TThesaurusForm(std::function<QString()> dataPath,
                               std::function<std::string()> selectedWord,
                               std::function<bool(const QString&)> insertIntoClue, QWidget* parent)
    : QWidget(parent, Qt::Tool), DataPath(std::move(dataPath)),
      SelectedWord(std::move(selectedWord)), InsertIntoClue(std::move(insertIntoClue)) {
    setObjectName("ThesaurusForm");
    setWindowTitle("Thesaurus");
    WordEdit = new QLineEdit(this);
    WordEdit->setObjectName("WordEdit");
    WordEdit->setPlaceholderText("A word or phrase");
    LookUpBtn = Button(this, "LookUpBtn", "&Look Up");
    MeaningsTree = new QTreeWidget(this);
    MeaningsTree->setObjectName("MeaningsTree");
    MeaningsTree->setHeaderHidden(true);
    // Long senses wrap; the one column takes the width of the window.
    MeaningsTree->setWordWrap(true);
    MeaningsTree->header()->setSectionResizeMode(QHeaderView::Stretch);
    MeaningsTree->setItemDelegate(new TWrappingDelegate(MeaningsTree));
    connect(MeaningsTree->header(), &QHeaderView::sectionResized, MeaningsTree,
            &QTreeView::doItemsLayout);
    MeaningsTree->setToolTip("Double-click a word to copy it into the clue");
    DefinitionsList = new QListWidget(this);
    DefinitionsList->setObjectName("DefinitionsList");
    DefinitionsList->setWordWrap(true);
    StatusLbl = StatusLabel(this);
    CloseBtn = Button(this, "CloseBtn", "&Close");

    auto* word = new QHBoxLayout;
    auto* wordLabel = new QLabel("&Word:", this);
    wordLabel->setBuddy(WordEdit);
    word->addWidget(wordLabel);
    word->addWidget(WordEdit, 1);
    word->addWidget(LookUpBtn);
    auto* lists = new QSplitter(Qt::Vertical, this);
    lists->addWidget(MeaningsTree);
    lists->addWidget(DefinitionsList);
    lists->setStretchFactor(0, 3);
    lists->setStretchFactor(1, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(StatusLbl, 1);
    bottom->addWidget(CloseBtn, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(word);
    layout->addWidget(lists, 1);
    layout->addLayout(bottom);
    resize(460, 560);

    const auto lookUpTyped = [this] { LookUp(WordEdit->text()); };
    connect(WordEdit, &QLineEdit::returnPressed, this, lookUpTyped);
    connect(LookUpBtn, &QPushButton::clicked, this, lookUpTyped);
    connect(MeaningsTree, &QTreeWidget::itemActivated, this, &TThesaurusForm::CopyWord);
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
}

TThesaurusForm::~TThesaurusForm() {
    if (!Worker) return;
    Worker->wait();
    delete Worker;
}

void TThesaurusForm::ShowSelectedWord() {
    if (!isVisible()) return;
    const std::string word = SelectedWord();
    if (word.empty() || word.find('?') != std::string::npos) return;
    LookUp(QString::fromStdString(word));
}

void TThesaurusForm::LookUp(const QString& word) {
    if (WordEdit->text() != word) WordEdit->setText(word);
    Answer(word.trimmed());
}

void TThesaurusForm::Answer(QString word) {
    if (word.isEmpty()) {
        Pending.clear();
        MeaningsTree->clear();
        DefinitionsList->clear();
        SetStatus("Type a word to look it up.");
        return;
    }
    // A lookup asked for during the load is answered when it is done.
    Pending = word;
    if (Worker) return;
    const QString path = DataPath();
    if (!Thesaurus || path != LoadedPath) return Load(path);
    Pending.clear();
    Show(word);
}

void TThesaurusForm::Load(const QString& path) {
    LoadingPath = path;
    StatusLbl->setText(ThesaurusLoadingText);
    Worker = QThread::create([this, file = QFile::encodeName(path).toStdString()] {
        Loading = std::make_unique<TThesaurus>(file);
    });
    connect(Worker, &QThread::finished, this, [this] {
        Worker->deleteLater();
        Worker = nullptr;
        LoadDone();
    });
    Worker->start();
}

void TThesaurusForm::LoadDone() {
    Thesaurus = std::move(Loading);
    LoadedPath = LoadingPath;
    // The box may hold more typing by now: it stays as it is.
    Answer(Pending);
}

void TThesaurusForm::Show(const QString& word) {
    MeaningsTree->clear();
    DefinitionsList->clear();
    const std::vector<TThesaurusEntry> entries = Thesaurus->Lookup(word.toStdString());
    qsizetype meanings = 0, definitions = 0;
    for (const TThesaurusEntry& entry : entries) {
        const QString spelling = QString::fromStdString(entry.Word);
        for (const TMeaning& m : entry.Meanings) {
            QString text =
                m.PartOfSpeech.empty()
                    ? spelling
                    : QString("%1 (%2)").arg(spelling, QString::fromStdString(m.PartOfSpeech));
            if (!m.Sense.empty()) text += ": " + QString::fromStdString(m.Sense);
            // A heading is bold and no word to copy.
            auto* heading = new QTreeWidgetItem(MeaningsTree, {text});
            heading->setFont(0, Bold(heading->font(0)));
            heading->setFlags(Qt::ItemIsEnabled);
            heading->setToolTip(0, text);
            for (const std::string& w : m.Words)
                new QTreeWidgetItem(heading, {QString::fromStdString(w)});
            ++meanings;
        }
        for (const TDefinitions& d : entry.Definitions) {
            auto* heading = new QListWidgetItem(
                QString("%1 (%2)").arg(spelling, QString::fromStdString(d.PartOfSpeech)),
                DefinitionsList);
            heading->setFont(Bold(heading->font()));
            heading->setFlags(Qt::ItemIsEnabled);
            int n = 0;
            for (const std::string& gloss : d.Glosses)
                new QListWidgetItem(QString("%1. %2").arg(++n).arg(QString::fromStdString(gloss)),
                                    DefinitionsList);
            definitions += n;
        }
    }
    MeaningsTree->expandAll();
    if (entries.empty())
        SetStatus(QString("No entry for \"%1\".").arg(word));
    else
        SetStatus(QString("\"%1\": %2, %3.")
                      .arg(word, Counted(std::size_t(meanings), "meaning", "meanings"),
                           Counted(std::size_t(definitions), "definition", "definitions")));
}

void TThesaurusForm::CopyWord(QTreeWidgetItem* item) {
    if (!item || !item->parent()) return;
    const QString word = QString::fromStdString(std::string(BareWord(item->text(0).toStdString())));
    SetStatus(InsertIntoClue(word) ? QString("Copied \"%1\" into the clue.").arg(word)
                                   : QString(OpenClueEditorText));
}

void TThesaurusForm::SetStatus(const QString& text) {
    QStringList problems;
    if (Thesaurus)
        for (const std::string& p : Thesaurus->Problems()) problems << QString::fromStdString(p);
    StatusLbl->setText(problems.isEmpty() ? text
                                          : text + "\nNot all of the thesaurus could be read: " +
                                                problems.join("; ") + ".");
}

} // namespace wl
