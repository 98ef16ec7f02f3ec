#include "DemoAutoUnit.h"

#include "AutoclueTools.h"
#include "DemoGridUnit.h"
#include "Prompts.h"
#include "PuzzleHistory.h"
#include "SFXUnit.h"
#include "SvgIcon.h"
#include "WaitFor.h"
#include "Win1252.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

namespace wl {

namespace {

const QColor Navy(0, 0, 128);

QString LengthNote() {
    return QString("A clue holds at most %1 characters.").arg(MaxClueLength);
}

QLabel* NavyLabel(QWidget* parent, const char* name, const QString& designText, int x, int y) {
    auto* label = new QLabel(designText, parent);
    label->setObjectName(name);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Navy);
    label->setPalette(p);
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

TAutoclueForm::TAutoclueForm(TDemProcs& procs, TPuzzleHistory& history, IWaiter& waiter)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint), Walk(procs.Puzzle), Procs(procs),
      History(history), Waiter(waiter) {
    setObjectName("AutoclueForm");
    setWindowTitle("Autoclue");
    QFont font("Arial");
    font.setPixelSize(12);
    setFont(font);

    ClueLbl = NavyLabel(this, "ClueLbl", QString(23, 'M'), 12, 12);
    NumLbl = NavyLabel(this, "NumLbl", "999  Across", 300, 12);
    // Room for "NO MORE CLUES!" beside the longest word.
    NumLbl->resize(200, NumLbl->height());

    DefEdit = new QLineEdit(this);
    DefEdit->setObjectName("DefEdit");
    QFont editFont("Times New Roman");
    editFont.setPixelSize(15);
    DefEdit->setFont(editFont);
    QPalette ep = DefEdit->palette();
    ep.setColor(QPalette::Base, Qt::white);
    ep.setColor(QPalette::Text, Qt::black);
    DefEdit->setPalette(ep);
    DefEdit->setMaxLength(MaxClueLength);
    DefEdit->setValidator(new TWin1252Validator(DefEdit));
    DefEdit->setGeometry(12, 34, 536 - 24, 26);
    // Drops and the context menu's paste would bypass the check of InsertText.
    DefEdit->setAcceptDrops(false);
    DefEdit->setContextMenuPolicy(Qt::NoContextMenu);
    DefEdit->installEventFilter(this);
    connect(DefEdit, &QLineEdit::textChanged, this, &TAutoclueForm::DefEditChange);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(4, 70, 536 - 8, 2);

    const auto speedButton = [this](const char* name, const char* glyph, const char* hint,
                                    int index) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setIcon(SvgIcon(QString(":/clues/%1.svg").arg(glyph)));
        b->setIconSize(QSize(18, 18));
        b->setToolTip(hint);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        // Three steps, a gap, three insertions.
        b->setGeometry(12 + index * 28 + (index >= 3 ? 12 : 0), 80, 26, 26);
        return b;
    };
    PrevBtn = speedButton("PrevBtn", "PREV", "Previous definition", 0);
    NextBtn = speedButton("NextBtn", "NEXT", "Next definition", 1);
    BlankBtn = speedButton("BlankBtn", "BLANK", "Next blank definition", 2);
    InsertBtn = speedButton("InsertBtn", "INSERT", "Insert from clipboard", 3);
    CharsBtn = speedButton("CharsBtn", "CHARS", "Insert special character", 4);
    ListdefsBtn = speedButton("ListdefsBtn", "LISTDEFS", "List all definitions", 5);

    OkBtn = new QPushButton("&Close", this);
    OkBtn->setObjectName("OkBtn");
    OkBtn->setGeometry(220, 80, 75, 26);

    NoteLbl = new QLabel(this);
    NoteLbl->setObjectName("NoteLbl");
    NoteLbl->setGeometry(12, 114, 536 - 24, 18);

    connect(PrevBtn, &QToolButton::clicked, this, &TAutoclueForm::PrevBtnClick);
    connect(NextBtn, &QToolButton::clicked, this, &TAutoclueForm::NextBtnClick);
    connect(BlankBtn, &QToolButton::clicked, this, &TAutoclueForm::BlankBtnClick);
    connect(InsertBtn, &QToolButton::clicked, this, &TAutoclueForm::InsertBtnClick);
    connect(CharsBtn, &QToolButton::clicked, this, &TAutoclueForm::CharsBtnClick);
    connect(ListdefsBtn, &QToolButton::clicked, this, &TAutoclueForm::ListdefsBtnClick);
    connect(OkBtn, &QPushButton::clicked, this, &QWidget::close);

    setMinimumWidth(OkBtn->geometry().right() + 12);
    setFixedHeight(AutoclueHeight);
    resize(536, AutoclueHeight);
}

TAutoclueForm::~TAutoclueForm() = default;

void TAutoclueForm::Connect(TDemGridForm& grid, TSoundFX& sounds, TPrompts& prompts) {
    Grid = &grid;
    Sounds = &sounds;
    Prompts = &prompts;
}

void TAutoclueForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) FormShow();
    QWidget::showEvent(event);
}

void TAutoclueForm::FormShow() {
    GotoCursorWord();
}

void TAutoclueForm::resizeEvent(QResizeEvent* event) {
    // FormResize; the height is fixed, so only the width changes.
    DefEdit->resize(width() - 24, DefEdit->height());
    Bevel1->resize(width() - 8, Bevel1->height());
    NoteLbl->resize(width() - 24, NoteLbl->height());
    QWidget::resizeEvent(event);
}

void TAutoclueForm::GotoCursorWord() {
    Walk.Reset();
    ResetWalkDisplay();
    FindWord(Grid && Grid->Direction != 0 ? CursorWord() : std::string(">"));
}

void TAutoclueForm::ResetWalkDisplay() {
    // Off any word, so clearing the edit stores nothing.
    ClueLbl->clear();
    NumLbl->clear();
    DefEdit->clear();
    NoteLbl->clear();
}

void TAutoclueForm::BringToFront() {
    raise();
    activateWindow();
}

std::string TAutoclueForm::CursorWord() const {
    const int c = Procs.CellSize;
    if (!Grid || c <= 0) return ">";
    const int x = Grid->CursorPos.x() / c + 1;
    const int y = Grid->CursorPos.y() / c + 1;
    if (Grid->Direction == 1 && StartsAcross(Procs.Puzzle, x, y))
        return GetWord(Procs.Puzzle, x, y, 'a');
    if (Grid->Direction == 2 && StartsDown(Procs.Puzzle, x, y))
        return GetWord(Procs.Puzzle, x, y, 'd');
    return ">";
}

void TAutoclueForm::FindWord(std::string_view target) {
    switch (Walk.FindWord(target, Grid && Grid->Direction != 0)) {
    case TWalkResult::LimitHit:
        if (Prompts) Prompts->Warning(WordLimitText, TPromptButtons::Ok);
        return;
    case TWalkResult::PassedEnd:
        SayNoMoreClues();
        if (Walk.OnWord()) ShowWord(Walk.CurDir);
        return;
    default:
        ShowWord(Walk.CurDir);
    }
}

void TAutoclueForm::SayNoMoreClues() {
    const auto colour = [this](const QColor& c) {
        QPalette p = NumLbl->palette();
        p.setColor(QPalette::WindowText, c);
        NumLbl->setPalette(p);
    };
    colour(Qt::red);
    NumLbl->setText("NO MORE CLUES!");
    Waiter.WaitFor(5);
    if (Sounds) {
        if (Procs.SoundMode == 1) Sounds->PlayEndOfList();
        if (Procs.SoundMode >= 2) Sounds->PlayEndOfListSpeech();
    }
    if (Procs.SoundMode < 2) Waiter.WaitFor(500);
    colour(Navy);
}

void TAutoclueForm::PrevBtnClick() {
    if (Walk.PrevWord() == TWalkResult::PassedStart) {
        if (Sounds) Sounds->PlayEndOfList();
        return;
    }
    ShowWord(Walk.CurDir);
}

void TAutoclueForm::ShowWord(char direction) {
    DefEdit->setFocus();
    const QString text = FromWin1252(EntryText(Procs.Puzzle, Walk.CurEntry));
    // The store rule runs for the shown text also when the edit held it already.
    if (DefEdit->text() == text)
        DefEditChange();
    else
        DefEdit->setText(text);
    DefEdit->end(false);
    ClueLbl->setText(FromWin1252(Walk.Letters()));
    NumLbl->setText(QString::number(Walk.CurNumber) + (direction == 'a' ? "  Across" : "  Down"));
    NoteLbl->clear();
    if (Definitions && Definitions->isVisible()) Definitions->Fill(Procs.Puzzle, Walk.CurEntry);
}

void TAutoclueForm::DefEditChange() {
    if (Restoring) return;
    // What is typed into one clue is one step.
    History.Change("Clue", [&] { Walk.StoreClue(ToWin1252(DefEdit->text())); }, Walk.CurEntry);
}

bool TAutoclueForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DefEdit && event->type() == QEvent::KeyPress)
        return DefEditKeyPress(static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

bool TAutoclueForm::DefEditKeyPress(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        NextBtnClick();
        return true;
    }
    if (ctrl && event->key() == Qt::Key_U) {
        InsertText("___" + DefEdit->selectedText());
        return true;
    }
    if (ctrl && event->key() == Qt::Key_Y) {
        DefEdit->clear();
        return true;
    }
    if (event->matches(QKeySequence::Paste)) {
        InsertBtnClick();
        return true;
    }
    const QString typed = event->text();
    if (ctrl || typed.isEmpty() || !typed.front().isPrint()) return false; // editing keys
    if (!Unstorable(typed).isEmpty()) {
        Note(QString("\"%1\" cannot be stored in a clue.").arg(typed));
        return true;
    }
    if (DefEdit->text().size() - DefEdit->selectedText().size() >= MaxClueLength) {
        Note(LengthNote());
        return true;
    }
    return false;
}

void TAutoclueForm::InsertBtnClick() {
    QString text = QApplication::clipboard()->text();
    // One line of clue: line breaks inside become spaces, trailing ones go.
    while (text.endsWith('\n') || text.endsWith('\r')) text.chop(1);
    text.replace("\r\n", " ").replace('\n', ' ').replace('\r', ' ').replace('\t', ' ');
    InsertText(text);
}

void TAutoclueForm::InsertText(const QString& text) {
    QString kept;
    const QString refused = Unstorable(text);
    for (QChar ch : text)
        if (!refused.contains(ch)) kept += ch;
    const qsizetype room =
        MaxClueLength - (DefEdit->text().size() - DefEdit->selectedText().size());
    QString note;
    if (!refused.isEmpty()) note = QString("Left out, as a clue cannot store it: %1.").arg(refused);
    if (kept.size() > room) {
        kept.truncate(std::max<qsizetype>(room, 0));
        note = note.isEmpty() ? LengthNote() : note + " " + LengthNote();
    }
    if (!kept.isEmpty()) DefEdit->insert(kept);
    if (!note.isEmpty()) Note(note);
}

void TAutoclueForm::Note(const QString& text) {
    NoteLbl->setText(text);
}

// The picker and the list are built when first asked for: start-up needs neither.
void TAutoclueForm::CharsBtnClick() {
    if (!Picker) {
        Picker = new TSpecialCharsPicker(this);
        connect(Picker, &TSpecialCharsPicker::Picked, this, &TAutoclueForm::InsertText);
    }
    Picker->Popup(CharsBtn);
}

void TAutoclueForm::ListdefsBtnClick() {
    if (!Definitions) {
        Definitions = new TDefinitionsList(this);
        connect(Definitions, &TDefinitionsList::Chosen, this, &TAutoclueForm::GoToEntry);
    }
    Definitions->Fill(Procs.Puzzle, Walk.CurEntry);
    Definitions->show();
    Definitions->raise();
}

bool TAutoclueForm::WalkToEntry(int entry) {
    if (entry < 1) return false;
    for (const TNumberedSquare& s : NumberGrid(Procs.Puzzle)) {
        if (s.AcrossWord != entry && s.DownWord != entry) continue;
        Walk.GoTo(s, s.AcrossWord == entry ? 'a' : 'd');
        return true;
    }
    return false;
}

void TAutoclueForm::GoToEntry(int entry) {
    if (!WalkToEntry(entry)) return;
    ShowWord(Walk.CurDir);
    activateWindow();
}

void TAutoclueForm::ShowRestored() {
    if (!isVisible()) return;
    Restoring = true;
    const int entry = Walk.CurEntry;
    Walk.Reset();
    if (WalkToEntry(entry) && Walk.OnWord())
        ShowWord(Walk.CurDir);
    else
        ResetWalkDisplay();
    Restoring = false;
}

} // namespace wl
