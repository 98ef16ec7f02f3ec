#include "HighScoreWindows.h"

#include "HangmanWidgets.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace hangman {

namespace {

constexpr int FirstRow = 1080, RowStep = 240;

// Ranks 1 to 3 in their own colours; the rest in the window-text colour.
QString rankStyle(int rank) {
    switch (rank) {
    case 1:
        return "color: rgb(0,0,192);";
    case 2:
        return "color: rgb(192,0,0);";
    case 3:
        return "color: rgb(128,0,128);";
    default:
        return {};
    }
}

} // namespace

Form4::Form4(std::function<void()> onOk, std::function<void()> onExit, QWidget* parent)
    : SideDialog("Form4", "Tobbinous High Scores!", 4215, 4380, parent), onOk_(std::move(onOk)),
      onExit_(std::move(onExit)) {
    setStyleSheet("#Form4 { background: rgb(192,192,192); }");
    addPicture("Image1", "trophy.svg", {120, 60, 900, 900});
    addPicture("Image2", "highscores_title.svg", {1080, 120, 3015, 840});
    QFont bold = font();
    bold.setBold(true);
    for (int i = 0; i < hm::TopTenSize; ++i) {
        const int top = FirstRow + RowStep * i;
        QLabel* rank = addLabel(qPrintable(QString("Label1_%1").arg(i)), QString("%1.").arg(i + 1),
                                {120, top, 360, 240});
        Label2[i] = addLabel(qPrintable(QString("Label2_%1").arg(i)), {}, {480, top, 2295, 240});
        Label3[i] = addLabel(qPrintable(QString("Label3_%1").arg(i)), {}, {3000, top, 975, 240});
        Label3[i]->setAlignment(Qt::AlignRight | Qt::AlignTop);
        for (QLabel* label : {rank, Label2[i], Label3[i]}) {
            label->setFont(bold);
            label->setStyleSheet(rankStyle(i + 1));
        }
    }
    Command1 = addButton("Command1", "Ok", {1440, 3720, 1095, 375}, true);
    Command2 = addButton("Command2", "Exit", {1440, 3720, 1095, 375}, true);
    Command2->hide();
    connect(Command1, &QPushButton::clicked, this, [this] {
        hide();
        if (onOk_) onOk_();
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        if (onExit_) onExit_();
    });
}

void Form4::fill(const hm::TopTen& table) {
    for (int i = 0; i < hm::TopTenSize; ++i) {
        Label2[i]->setText(fromBytes(table.entry[i].name));
        Label3[i]->setText(fromBytes(hm::scoreText(table.entry[i].score)));
    }
}

void Form4::showExit(bool exit) {
    Command1->setVisible(!exit);
    Command2->setVisible(exit);
    (exit ? Command2 : Command1)->setDefault(true);
}

void Form4::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onExit_) onExit_();
}

void Form4::reject() {
    (Command2->isVisibleTo(this) ? Command2 : Command1)->click();
}

frmHighScore::frmHighScore(QWidget* parent)
    : SideDialog("frmHighScore", "You Have A High Score!", 5040, 3000, parent) {
    addPicture("Image1", "tobbin.svg", {240, 480, 1350, 1620});
    // Three decorative shapes: stars around the mascot.
    addPicture("Shape1", "star.svg", {1560, 120, 360, 360});
    addPicture("Shape2", "star.svg", {4440, 2340, 390, 390});
    addPicture("Shape3", "star.svg", {240, 1920, 300, 300});
    QLabel* message = addLabel("Label1",
                               "Tobbins!!  You have made the infamous top ten list!  Please enter "
                               "your name below to make all your friends jealous!",
                               {1920, 360, 2880, 1200});
    message->setWordWrap(true);
    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Text1->setMaxLength(21);
    Text1->setGeometry(QRect(twips(1920), twips(1680), twips(2880), twips(315)));
    QPushButton* ok = addButton("Command1", "OK", {2760, 2280, 1095, 375}, true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    Text1->setFocus();
}

QString frmHighScore::name() const {
    return Text1->text();
}

void frmHighScore::closeEvent(QCloseEvent* event) {
    Text1->clear();
    QDialog::closeEvent(event);
}

void frmHighScore::reject() {
    accept();
}

} // namespace hangman
