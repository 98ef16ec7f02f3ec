#include "HelpWindows.h"
#include "HangmanWidgets.h"
#include "URLLink.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace hangman {

namespace {

QFrame* rule(const char* name, QRect place, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(twipsRect(place.x(), place.y(), place.width(), place.height()));
    return line;
}

} // namespace

frmHlpPlay::frmHlpPlay(QWidget* parent)
    : SideDialog("frmHlpPlay", "Help for Tobbin Hangman", 6240, 4320, parent) {
    addPicture("Image1", "tobbin.svg", {240, 360, 1500, 1800});
    Label2 = addLabel("Label2", {}, {2040, 240, 4080, 600});
    Label2->setWordWrap(true);
    QFont title("Arial", 10);
    title.setBold(true);
    Label2->setFont(title);
    Label2->setStyleSheet("color: rgb(0,0,128);");
    Label1 = addLabel("Label1", {}, {2040, 900, 4080, 2640});
    Label1->setWordWrap(true);
    QPushButton* ok = addButton("Command1", "OK", {2580, 3720, 1095, 375}, true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

tobbins::tobbins(Dialogs& dialogs, QWidget* parent)
    : SideDialog("tobbins", "Help for Tobbin Hangman", 5640, 5640, parent), dialogs_(dialogs) {
    addPicture("Image1", "question_marks.svg", {240, 120, 1080, 1080});
    addPicture("Image2", "question_marks.svg", {4320, 120, 1080, 1080});
    addPicture("Image3", "tobbin.svg", {4500, 3300, 900, 1080});
    QLabel* heading = addLabel("Label2", "Tobbin FAQ", {1320, 300, 3000, 600});
    heading->setAlignment(Qt::AlignCenter);
    QFont big("Arial", 18);
    big.setBold(true);
    heading->setFont(big);
    rule("Line1", {240, 1200, 5160, 30}, this);
    rule("Line2", {240, 4620, 5160, 30}, this);

    QFont underlined = font();
    underlined.setUnderline(true);
    for (std::size_t i = 0; i < hm::HelpTopics.size(); ++i) {
        const hm::HelpTopic& topic = hm::HelpTopics[i];
        QLabel* label = addLabel(topic.label, topic.caption, {600, topic.top, 4200, 255});
        label->setStyleSheet("color: rgb(0,0,255);");
        label->setFont(underlined);
        label->setCursor(pointingHandCursor());
        label->adjustSize(); // only the words themselves take the click
        label->installEventFilter(this);
        topics_[i] = label;
    }
    QPushButton* exit = addButton("Command4", "Exit Help", {2160, 4860, 1335, 375}, true);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
}

void tobbins::topicClick(const hm::HelpTopic& topic) {
    if (!answer_) answer_ = new frmHlpPlay(this);
    answer_->Label2->setText(topic.title);
    answer_->Label1->setText(topic.answer);
    dialogs_.runModal(*answer_);
}

bool tobbins::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (std::size_t i = 0; i < topics_.size(); ++i) {
            if (watched == topics_[i]) {
                topicClick(hm::HelpTopics[i]);
                return true;
            }
        }
    }
    return SideDialog::eventFilter(watched, event);
}

Form2::Form2(Shell& shell, MessageBoxes& messages, QWidget* parent)
    : SideDialog("Form2", "About Tobbin Hangman", 4185, 3150, parent) {
    addPicture("Image4", "about_banner.svg", {0, 0, 4185, 960});
    addPicture("Image1", "tobbin.svg", {180, 1020, 675, 810});
    addPicture("Image2", "star.svg", {3390, 1110, 600, 600});
    QLabel* version = addLabel("Label2", "Version 2.0", {900, 1080, 2385, 255});
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);
    QLabel* byLine = addLabel("Label4", "by the Word Puzzles team", {900, 1380, 2385, 255});
    for (QLabel* label : {version, byLine}) label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // The link's properties as saved with this window (its address is the default one).
    URLLink1 = new URLLink(shell, messages, this);
    URLLink1->setObjectName("URLLink1");
    URLLink1->UserControl_ReadProperties(
        {{"Text", QStringLiteral("Word Puzzles project, 2026")}, {"ShowToolTip", true}});
    URLLink1->move((width() - URLLink1->width()) / 2, twips(1800));

    QPushButton* ok = addButton("Command1", "OK", {1440, 2280, 1305, 375}, true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace hangman
