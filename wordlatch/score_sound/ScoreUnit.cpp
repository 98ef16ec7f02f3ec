#include "ScoreUnit.h"

#include "DemoGridUnit.h"
#include "DemoProcsUnit.h"
#include "Prompts.h"
#include "PuzzleHistory.h"
#include "SFXUnit.h"
#include "ScoreRules.h"
#include "SvgIcon.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace wl {

namespace {

const QColor Navy(0, 0, 128);

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setMinimumWidth(84);
    return b;
}

} // namespace

TScoreForm::TScoreForm(TDemProcs& procs, TPuzzleHistory& history)
    : QDialog(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      Procs(procs), History(history) {
    setObjectName("ScoreForm");
    setWindowTitle("Score Card");
    setModal(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(grey);
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(SvgIcon(":/score/SCORECARD.svg").pixmap(QSize(72, 72), devicePixelRatioF()));
    Image1->setFixedSize(72, 72);

    BannerLbl = new QLabel("CONGRATULATIONS!", this);
    BannerLbl->setObjectName("BannerLbl");
    QFont big("Arial");
    big.setPixelSize(24);
    big.setBold(true);
    BannerLbl->setFont(big);
    CheatLbl = new QLabel("(but you cheated)", this);
    CheatLbl->setObjectName("CheatLbl");
    QFont small("Arial");
    small.setPixelSize(12);
    CheatLbl->setFont(small);
    QPalette navy = CheatLbl->palette();
    navy.setColor(QPalette::WindowText, Navy);
    CheatLbl->setPalette(navy);
    CheatLbl->setAlignment(Qt::AlignHCenter);
    BannerLbl->setAlignment(Qt::AlignHCenter);
    // The cheat note keeps its line when hidden, so the card never jumps.
    QSizePolicy keep = CheatLbl->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    CheatLbl->setSizePolicy(keep);
    CheatLbl->hide();
    SetBanner("CONGRATULATIONS!", Navy);

    ShowErrsBtn = Button(this, "ShowErrsBtn", "Show &Errors");
    StartOverBtn = Button(this, "StartOverBtn", "&Start Over");
    DeleteBtn = Button(this, "DeleteBtn", "&Delete");
    CancelBtn = Button(this, "CancelBtn", "&Cancel");
    ShowErrsBtn->setEnabled(false);
    DeleteBtn->setEnabled(false);
    connect(ShowErrsBtn, &QPushButton::clicked, this, [this] { done(mrYes); });
    connect(StartOverBtn, &QPushButton::clicked, this, &TScoreForm::StartOverBtnClick);
    connect(DeleteBtn, &QPushButton::clicked, this, [this] { done(mrAbort); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { done(mrCancel); });

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addStretch();
    texts->addWidget(BannerLbl);
    texts->addWidget(CheatLbl);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(texts, 1);
    top->addWidget(Image1, 0, Qt::AlignVCenter);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ShowErrsBtn, StartOverBtn, DeleteBtn, CancelBtn}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TScoreForm::Connect(TDemGridForm& grid, TSoundFX& sounds, TPrompts& prompts) {
    Grid = &grid;
    Sounds = &sounds;
    Prompts = &prompts;
}

int TScoreForm::exec() {
    FormShow();
    return QDialog::exec();
}

void TScoreForm::SetBanner(const QString& text, const QColor& colour) {
    BannerLbl->setText(text);
    QPalette p = BannerLbl->palette();
    p.setColor(QPalette::WindowText, colour);
    BannerLbl->setPalette(p);
}

void TScoreForm::FormShow() {
    if (PuzzleSolved(Procs.Puzzle)) {
        if (Sounds) Sounds->PlaySolved();
        // The celebration ends before the card covers the grid.
        if (Grid) Grid->Celebrate();
        ShowErrsBtn->setEnabled(false);
        DeleteBtn->setEnabled(true);
        SetBanner("CONGRATULATIONS!", Navy);
        CheatLbl->setVisible(Grid && Grid->Cheated);
    } else {
        ShowErrsBtn->setEnabled(true);
        DeleteBtn->setEnabled(false);
        SetBanner("PUZZLE INCORRECT!", Qt::red);
        if (Sounds) Sounds->PlayIncorrect();
    }
}

void TScoreForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CancelBtn->setFocus();
}

void TScoreForm::StartOverBtnClick() {
    ClearPlayerGrid(Procs.Puzzle);
    Procs.PuzzleChanged = true;
    if (Grid) Grid->Invalidate();
    // A failed save is reported; the cleared grid stays in memory, to be saved at the end.
    try {
        Procs.SavePuzzle(Procs.PuzzleFileName);
    } catch (const std::exception& e) {
        if (Prompts) Prompts->ReportException(QString::fromLocal8Bit(e.what()));
    }
    History.Restart();
    done(mrCancel);
}

} // namespace wl
