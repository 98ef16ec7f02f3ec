#include "Form1.h"
#include "HangmanWidgets.h"
#include "SideWidgets.h"

#include <QAction>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <filesystem>

namespace hangman {

namespace {

Dialogs& qtDialogs() {
    static QtDialogs dialogs;
    return dialogs;
}

Shell& qtShell() {
    static QtShell shell;
    return shell;
}

bool isPressKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

Form1::Form1(hm::API& sounds, MessageBoxes& messages, hm::TimeOfDay clock, Dialogs* dialogs,
             Shell* shell)
    : sounds_(sounds), messages_(messages), dialogs_(dialogs ? *dialogs : qtDialogs()),
      shell_(shell ? *shell : qtShell()), game_(&sounds, std::move(clock)) {
    setObjectName("Form1");
    auto* client = new QWidget(this);
    client->setObjectName("Form1Client");
    setCentralWidget(client);
    createControls(client);
    createMenu();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    render();
    QList<Picture*> shown;
    for (QWidget* control : client->findChildren<QWidget*>())
        if (auto* picture = dynamic_cast<Picture*>(control); picture && !picture->isHidden())
            shown << picture;
    picturesAhead_ = Picture::drawAhead(shown);
}

Form1::~Form1() = default;

bool Form1::Form_Load() {
    sounds_.openSounds();
    setWindowTitle("Tobbin Hangman");
    // Only the table is read here; the high-score window is built when first shown.
    topTenFile_ = std::filesystem::absolute(hm::defaultTopTenFile());
    if (topTenLoaded != 5) {
        shownTopTen_ =
            readHighScores("You can play on, but no score of this run can enter the table.")
                .value_or(hm::TopTen{});
        topTenLoaded = 5;
    }
    // The word list is read from the directory the program is started in; naming it in full
    // tells the user where to put it.
    const std::filesystem::path wordFile = std::filesystem::absolute(hm::defaultWordFile());
    if (const auto error = game_.startUp(wordFile)) {
        messages_.message(this, hm::MessageTitle,
                          QString::fromLocal8Bit(*error) + // path and system text
                              "\n\nTobbin Hangman reads its words from the file wordlist.dat in "
                              "the folder it is started from, or, where that folder has none, in "
                              "its folder of the user's data (~/.local/share/tobbin-hangman), and "
                              "cannot start without it.",
                          MessageIcon::Critical);
        sounds_.closeSounds();
        return false;
    }
    render();
    return true;
}

void Form1::Command1_Click(int index) {
    game_.Command1_Click(static_cast<std::int16_t>(index));
    render();
}

void Form1::Command2_Click() {
    game_.Command2_Click();
    render();
}

void Form1::Command3_Click() {
    game_.Command3_Click();
    render();
}

void Form1::Text1_Click(int index) {
    game_.Text1_Click(index);
    render();
}

void Form1::mnuNew_Click() {
    Command2_Click();
}

void Form1::mnuSound_Click() {
    game_.mnuSound_Click();
    render();
}

// Form_Unload: the close box runs the exit sequence. The window closes only when the program
// has ended there: closing it while the table of the exit shows would end the application.
void Form1::closeEvent(QCloseEvent* event) {
    mnuExit_Click();
    event->setAccepted(ended_);
}

// A typed letter presses its button, by the same rules as a click on it.
void Form1::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
    if (plain && key >= Qt::Key_A && key <= Qt::Key_Z) {
        QPushButton* letter = Command1[key - Qt::Key_A];
        if (letter->isVisibleTo(this) && letter->isEnabled()) letter->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool Form1::keyMayPress(QObject* button) const {
    return button == tabbedTo_ || (button == Command2 && !game_.running());
}

// The letter boxes never keep the focus: a click into one sends it to New Word. The
// buttons note whether the focus reached them by Tab, and take Space and Enter by it.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool tabbed = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
        tabbedTo_ = tabbed ? watched : nullptr;
        break;
    }
    case QEvent::FocusOut:
        if (watched == tabbedTo_) tabbedTo_ = nullptr;
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (qobject_cast<QPushButton*>(watched) &&
            isPressKey(static_cast<QKeyEvent*>(event)->key()) && !keyMayPress(watched))
            return true;
        break;
    default:
        break;
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        for (int k = 0; k < hm::LetterBoxCount; ++k) {
            if (watched == Text1[k]) {
                Text1_Click(k);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::render() {
    const hm::Form1State& form = game_.form;
    for (int i = 0; i < hm::LetterButtonCount; ++i) {
        Command1[i]->setVisible(form.Command1[i].visible);
        Command1[i]->setEnabled(form.Command1[i].enabled);
    }
    for (int k = 0; k < hm::LetterBoxCount; ++k) {
        Text1[k]->setText(fromBytes(form.Text1[k].text));
        Text1[k]->setVisible(form.Text1[k].visible);
    }
    const bool stageVisible[] = {form.Image1Visible,  form.Image2Visible, form.Image3Visible,
                                 form.Image10Visible, form.Image5Visible, form.Image12Visible,
                                 form.Image7Visible};
    for (std::size_t s = 0; s < stages.size(); ++s) stages[s]->setVisible(stageVisible[s]);
    const bool lineVisible[] = {form.Line1Visible, form.Line2Visible, form.Line3Visible,
                                form.Line4Visible};
    for (std::size_t l = 0; l < gallows.size(); ++l) gallows[l]->setVisible(lineVisible[l]);
    Picture9->setVisible(form.Picture9Visible);
    Picture8->setVisible(form.Picture8Visible);
    Frame1->setVisible(form.Frame1Visible);
    Command3->setEnabled(form.Command3Enabled);
    Picture1->resize(twips(form.Picture1Width), Picture1->height());
    Label2->setText(fromBytes(form.Label2));
    Label4->setText(fromBytes(form.Label4));
    Label5->setText(fromBytes(form.Label5));
    Label7->setText(fromBytes(form.Label7));
    statusField->setText(fromBytes(form.StatusBar1));
    mnuSound->setChecked(form.mnuSoundChecked);
    if (form.focus == hm::FocusTarget::Command2) {
        Command2->setFocus();
        game_.form.focus = hm::FocusTarget::None;
    }
}

} // namespace hangman
