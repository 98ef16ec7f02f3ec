#include "frmWordList.h"
#include "HangmanWidgets.h"
#include "Statistics.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace hangman {

namespace {

QFrame* shape(const char* name, QRect place, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(twipsRect(place.x(), place.y(), place.width(), place.height()));
    frame->setStyleSheet(
        QString("#%1 { border: 2px solid rgb(61,143,224); border-radius: 6px; }").arg(name));
    frame->lower();
    return frame;
}

} // namespace

frmWordList::frmWordList(hm::HangmanGame& game, MessageBoxes& messages, QWidget* parent)
    : SideDialog("frmWordList", "Tobbin Hangman Word List", 5520, 5760, parent), game_(game),
      messages_(messages) {
    addPicture("Image2", "reading_tobbin.svg", {3000, 900, 2400, 2700});
    shape("Shape1", {60, 60, 5400, 360}, this);
    shape("Shape2", {60, 480, 5400, 3360}, this);
    shape("Shape3", {60, 3900, 5400, 1020}, this);
    addLabel("Label1", "Number of words in current word list:", {180, 120, 3300, 255});
    Label2 = addLabel("Label2", {}, {3540, 120, 1200, 255});
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    addLabel("Label3", "These words are in the current word list:", {180, 540, 5100, 255});

    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setGeometry(twipsRect(180, 840, 2640, 2880));
    List1->setSortingEnabled(true);
    for (const std::string& word : game_.words.listBoxWords()) List1->addItem(fromBytes(word));

    addLabel("Label4", "Add a new word:", {180, 4020, 1320, 255});
    newWord = new QLineEdit(this);
    newWord->setObjectName("newWord");
    newWord->setMaxLength(hm::MaxShownLetters);
    newWord->setGeometry(twipsRect(1500, 3975, 2280, 330));
    newWord->installEventFilter(this);
    QPushButton* btnAdd = addButton("btnAdd", "Add!", {3960, 3960, 1095, 375}, true);
    connect(btnAdd, &QPushButton::clicked, this, &frmWordList::btnAdd_Click);
    QLabel* note = addLabel(
        "Label5", "Note: words must be at least 4 letters and not more than 10 letters long.",
        {180, 4440, 5160, 420});
    note->setWordWrap(true);

    QPushButton* ok = addButton("Command1", "OK", {2220, 5160, 1095, 375});
    connect(ok, &QPushButton::clicked, this, &frmWordList::Command1_Click);
    newWord->setFocus();
}

void frmWordList::refreshCount() {
    Label2->setText(QString::number(game_.words.wordCount()));
}

void frmWordList::btnAdd_Click() {
    const hm::AddResult result = game_.addWord(toBytes(newWord->text()));
    if (result.status != hm::AddStatus::Added) {
        // The typed text stays for correction.
        messages_.message(this, hm::MessageTitle, QString::fromLocal8Bit(result.message));
        return;
    }
    List1->addItem(fromBytes(hm::lowerCase(result.word)));
    newWord->clear();
    refreshCount();
}

void frmWordList::Command1_Click() {
    newWord->clear();
    hide();
}

void frmWordList::reject() {
    Command1_Click();
}

// Typed characters other than letters, Backspace and Enter never reach newWord. Keys
// that type nothing (arrows, Delete, Esc, Tab) and editing commands such as paste
// pass; a pasted word is checked by the add rules instead.
bool frmWordList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == newWord && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool command =
            key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier);
        const bool typesText = !key->text().isEmpty() && key->key() != Qt::Key_Escape &&
                               key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab &&
                               key->key() != Qt::Key_Delete;
        if (!command && typesText && !hm::newWordKeyPasses(key->text().at(0).unicode()))
            return true;
    }
    return SideDialog::eventFilter(watched, event);
}

frmCheating::frmCheating(QWidget* parent)
    : SideDialog("frmCheating", "You think you're SO sneaky!", 4560, 2700, parent) {
    addPicture("imgTobbin", "tobbin.svg", {240, 780, 1500, 1800});
    addPicture("imgBalloon1", "balloon.svg", {1800, 120, 2640, 1560});
    QLabel* message = addLabel("lblMessage", "Cheating is NOT allowed!", {2040, 420, 2160, 720});
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    QFont big("Arial", 11);
    big.setBold(true);
    message->setFont(big);
    message->setStyleSheet("color: rgb(192,0,0);");
    QPushButton* ok = addButton("Command1", "OK", {2640, 2040, 1095, 375}, true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace hangman
