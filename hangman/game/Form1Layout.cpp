// The designed layout of the game window: every control at its place in twips, and the menu.
#include "Form1.h"
#include "HangmanWidgets.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace hangman {

namespace {

constexpr int ClientWidth = 5475, ClientHeight = 6075;

QFont arial(int points, bool bold = false) {
    QFont font("Arial", points);
    font.setBold(bold);
    return font;
}

QLabel* counterLabel(const char* name, QRect place, QWidget* parent) {
    auto* label = new QLabel("0", parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setFont(arial(12, true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

Picture* picture(const char* name, const char* resource, QRect place, QWidget* parent) {
    auto* image = new Picture(QString(":/hangman/") + resource, parent);
    image->setObjectName(name);
    image->setGeometry(place);
    return image;
}

QPushButton* button(const char* name, const QString& caption, QRect place, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setAutoDefault(true); // a focused button answers Enter as well as Space
    return b;
}

GallowsLine* line(const char* name, int x1, int y1, int x2, int y2, int width, QWidget* parent) {
    auto* l = new GallowsLine({twips(x1), twips(y1)}, {twips(x2), twips(y2)}, width, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

// Later siblings paint over earlier ones: the figure over the gallows, the dying and dead
// faces over the body's face, the banners over the letter buttons.
void Form1::createControls(QWidget* client) {
    client->setFixedSize(twips(ClientWidth), twips(ClientHeight));
    client->setFont(arial(8));

    picture("Image6", "logo.svg", twipsRect(240, 0, 2295, 1245), client);
    picture("Image4", "caption_won.svg", twipsRect(3000, 145, 540, 195), client);
    Label4 = counterLabel("Label4", twipsRect(3600, 120, 495, 300), client);
    picture("Image9", "caption_lost.svg", twipsRect(4200, 120, 615, 225), client);
    Label5 = counterLabel("Label5", twipsRect(4920, 120, 495, 255), client);
    picture("Image8", "caption_score.svg", twipsRect(3120, 515, 750, 210), client);
    Label7 = counterLabel("Label7", twipsRect(3840, 480, 1455, 300), client);
    picture("Image11", "mascot.svg", twipsRect(120, 1320, 2400, 2445), client);

    // New Word comes first in the tab order and so holds the focus at start: a stray
    // Enter or Space then deals a fresh word instead of giving the game up.
    Command2 = button("Command2", "&New Word", twipsRect(240, 2040, 1215, 375), client);
    Command3 = button("Command3", "&Reveal Word", twipsRect(240, 1560, 1575, 375), client);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    Command2->installEventFilter(this);
    Command3->installEventFilter(this);

    gallows = {line("Line1", 5040, 1200, 5040, 4180, 2, client),
               line("Line2", 5040, 1200, 4200, 1200, 2, client),
               line("Line3", 4200, 1200, 4200, 1440, 2, client),
               line("Line4", 4800, 4170, 5280, 4170, 3, client)};

    stages = {picture("Image1", "stage1.svg", twipsRect(3720, 1320, 1125, 1410), client),
              picture("Image2", "stage2.svg", twipsRect(4620, 1270, 570, 765), client),
              picture("Image3", "stage3.svg", twipsRect(3278, 1335, 510, 735), client),
              picture("Image10", "stage4.svg", twipsRect(4320, 2490, 795, 675), client),
              picture("Image5", "stage5.svg", twipsRect(3540, 2555, 705, 570), client),
              picture("Image12", "stage6.svg", twipsRect(3900, 1530, 765, 915), client),
              picture("Image7", "stage7.svg", twipsRect(3900, 1530, 765, 915), client)};

    // The light grey box behind the letter boxes; its width follows the word.
    Picture1 = new QWidget(client);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(twipsRect(240, 2860, 735, 405));
    Picture1->setAutoFillBackground(true);
    Picture1->setStyleSheet("#Picture1 { background: rgb(192,192,192);"
                            " border: 1px solid rgb(128,128,128); border-radius: 3px; }");
    Picture1->setAttribute(Qt::WA_StyledBackground);

    QFont boxFont("Courier New", 15);
    boxFont.setBold(true);
    boxFont.setUnderline(true);
    for (int k = 0; k < hm::LetterBoxCount; ++k) {
        auto* box = new QLineEdit(client);
        box->setObjectName(QString("Text1_%1").arg(k));
        box->setGeometry(k < 10 ? twipsRect(360 + 240 * k, 2880, 255, 375)
                                : twipsRect(360, 3720, 255, 360));
        box->setFont(k < 10 ? boxFont : QFont("Courier New", 10));
        box->setReadOnly(true);
        box->setFrame(false);
        box->setTextMargins(0, 0, 0, 0);
        box->setAlignment(Qt::AlignCenter);
        box->setFocusPolicy(Qt::NoFocus);
        box->setContextMenuPolicy(Qt::NoContextMenu);
        // Navy letters on light grey, edge to edge: colours of its own rather than a style
        // sheet, which would give each of the boxes a style engine of its own to build.
        QPalette colours = box->palette();
        colours.setColor(QPalette::Base, QColor(192, 192, 192));
        colours.setColor(QPalette::Text, QColor(0, 0, 128));
        box->setPalette(colours);
        box->installEventFilter(this);
        Text1[k] = box;
    }

    Label2 = new QLabel(client);
    Label2->setObjectName("Label2");
    Label2->setGeometry(twipsRect(2520, 3720, 1095, 255));

    Frame1 = new QGroupBox("Choose a tobbinous letter:", client);
    Frame1->setObjectName("Frame1");
    const QRect frame = twipsRect(240, 4440, 4935, 1095);
    Frame1->setGeometry(frame);
    // The caption sits on the frame's top line, as a classic frame draws it.
    Frame1->setStyleSheet(
        "#Frame1 { border: 1px solid rgb(160,160,160); border-radius: 4px;"
        " margin-top: 7px; }"
        "#Frame1::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }");
    for (int i = 0; i < hm::LetterButtonCount; ++i) {
        // Designed places are in client twips; the buttons live inside the frame.
        const QRect place = twipsRect(360 + 360 * (i % 13), i < 13 ? 4800 : 5040, 375, 255)
                                .translated(-frame.topLeft());
        Command1[i] = button(qPrintable(QString("Command1_%1").arg(i)), QString(QChar('A' + i)),
                             place, Frame1);
        Command1[i]->setFocusPolicy(Qt::TabFocus);
        Command1[i]->installEventFilter(this);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }

    Picture9 = picture("Picture9", "win_banner.svg", twipsRect(-360, 4200, 6000, 1515), client);
    Picture8 = picture("Picture8", "loss_banner.svg", twipsRect(-360, 4200, 6000, 1515), client);

    StatusBar1 = new QStatusBar(client);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(twipsRect(0, 5820, ClientWidth, 255));
    StatusBar1->setStyleSheet("#StatusBar1 { border-top: 1px solid rgb(192,192,192); }");
    statusField = new QLabel(StatusBar1);
    statusField->setObjectName("StatusBar1_Panel1");
    StatusBar1->addWidget(statusField, 1);
}

void Form1::createMenu() {
    auto action = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    auto command = [&](QMenu* menu, const char* name, const char* caption, void (Form1::*run)()) {
        QAction* a = action(menu, name, caption);
        connect(a, &QAction::triggered, this, run);
        return a;
    };

    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    QAction* mnuNew = action(file, "mnuNew", "&New Game");
    mnuNew->setShortcut(Qt::Key_F2);
    connect(mnuNew, &QAction::triggered, this, &Form1::mnuNew_Click);
    command(file, "mnuStats", "&Stats", &Form1::mnuStats_Click)->setShortcut(Qt::Key_F3);
    command(file, "mnuHigh", "&High Scores", &Form1::mnuHigh_Click);
    file->addSeparator()->setObjectName("mnuSep");
    command(file, "mnuExit", "E&xit", &Form1::mnuExit_Click);

    QMenu* options = menuBar()->addMenu("&Options");
    options->setObjectName("mnuOptions");
    mnuSound = action(options, "mnuSound", "&Sound");
    mnuSound->setCheckable(true);
    connect(mnuSound, &QAction::triggered, this, &Form1::mnuSound_Click);
    command(options, "mnuWordLists", "&Word Lists", &Form1::mnuWordLists_Click);

    QMenu* help = menuBar()->addMenu("&Help!");
    help->setObjectName("mnuHelp");
    command(help, "mnuHelp2", "Hel&p Me!", &Form1::mnuHelp2_Click);
    command(help, "mnuAbout", "&About Tobbin Hangman", &Form1::mnuAbout_Click);
}

} // namespace hangman
