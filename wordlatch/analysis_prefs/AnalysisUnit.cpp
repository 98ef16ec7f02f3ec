#include "AnalysisUnit.h"

#include "DialogLook.h"
#include "PaintBox.h"
#include "Win1252.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <tuple>

namespace wl {

namespace {

void SetTextColor(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

// The left column: caption and value rows, with rules between the groups.
constexpr int CaptionLeft = 8;
constexpr int CaptionWidth = 142;
constexpr int ValueLeft = CaptionLeft + CaptionWidth + 4;
constexpr int ValueWidth = 18;
constexpr int RowHeight = 17;

// The window's size and the identification line's place when the line fits.
constexpr QSize FormSize{426, 235};
constexpr QRect IdLine{177, 8, 241, 22};
constexpr QPoint CloseButton{338, 196};

} // namespace

TAnalysisForm::TAnalysisForm(const TDemProcs& procs) : Procs(procs) {
    SetUpSilverDialog(*this, "AnalysisForm", "Puzzle Analysis", FormSize);
    setAutoFillBackground(true);

    int top = 10;
    const auto row = [&](const char* caption, const char* valueName) {
        auto* c = new QLabel(caption, this);
        c->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        c->setGeometry(CaptionLeft, top, CaptionWidth, RowHeight);
        auto* v = new QLabel(this);
        v->setObjectName(valueName);
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        v->setGeometry(ValueLeft, top, ValueWidth, RowHeight);
        top += RowHeight;
        return std::pair{c, v};
    };
    const auto rule = [&] {
        auto* line = new QFrame(this);
        line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        line->setGeometry(CaptionLeft, top + 4, ValueLeft + ValueWidth - CaptionLeft, 2);
        top += 12;
    };
    BkSqLbl = row("Total black squares:", "BkSqLbl").second;
    rule();
    AcrLbl = row("Total across words:", "AcrLbl").second;
    DwnLbl = row("Total down words:", "DwnLbl").second;
    WdsLbl = row("= Total words:", "WdsLbl").second;
    rule();
    Ltr3Lbl = row("Total 3-letter words:", "Ltr3Lbl").second;
    std::tie(Ltr2Caption, Ltr2Lbl) = row("Total 2-letter words:", "Ltr2Lbl");
    Ltr2Caption->setObjectName("Ltr2Caption");
    EndSLbl = row("Words ending in S:", "EndSLbl").second;
    rule();
    AvgLbl = row("Average word length:", "AvgLbl").second;

    IDLbl = new QLabel(this);
    IDLbl->setObjectName("IDLbl");
    IDLbl->setFont(PixelFont("Arial", 15, true));
    SetTextColor(IDLbl, QColor(0, 0, 128));
    IDLbl->setAlignment(Qt::AlignCenter);
    IDLbl->setGeometry(IdLine);

    auto* box = new QFrame(this);
    box->setObjectName("LtrFrame");
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setGeometry(177, 34, 241, 129);
    LtrBox = new TPaintBox(box);
    LtrBox->setObjectName("LtrBox");
    LtrBox->setFont(PixelFont("Courier New", 13));
    LtrBox->setGeometry(2, 2, 237, 125);
    LtrBox->OnPaint = [this](QPainter& painter) { LtrBoxPaint(painter); };

    BitBtn1 = new QPushButton("&Close", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(QRect(CloseButton, QSize(80, 28)));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TAnalysisForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TAnalysisForm::FormShow() {
    Counts = AnalyseGrid(Procs.Puzzle);
    const auto set = [](QLabel* label, int value) { label->setText(QString::number(value)); };
    set(BkSqLbl, Counts.BlackSquares);
    set(AcrLbl, Counts.AcrossWords);
    set(DwnLbl, Counts.DownWords);
    set(WdsLbl, Counts.Words());
    set(Ltr3Lbl, Counts.ThreeLetterWords);
    set(Ltr2Lbl, Counts.TwoLetterWords);
    set(EndSLbl, Counts.EndsInS);
    // A grid without words has no average to show.
    const std::optional<int> average = Counts.AverageLength();
    AvgLbl->setText(average ? QString::number(*average) : QString("-"));
    const QColor twoLetters = Counts.TwoLetterWords == 0 ? GreyTextColor : QColor(Qt::black);
    SetTextColor(Ltr2Caption, twoLetters);
    SetTextColor(Ltr2Lbl, twoLetters);
    IDLbl->setText(FromWin1252(IdentificationLine(Counts, Procs.Puzzle.Side())));
    FitIdLine();
    LtrBox->update();
}

void TAnalysisForm::FitIdLine() {
    // Two long first words outgrow the line's place: the line, the window and
    // its Close button widen to the right so that the whole line shows.
    const int needed = IDLbl->fontMetrics().horizontalAdvance(IDLbl->text()) + 8;
    const int grow = std::max(0, needed - IdLine.width());
    IDLbl->setGeometry(IdLine.adjusted(0, 0, grow, 0));
    setFixedSize(FormSize.grownBy({0, 0, grow, 0}));
    BitBtn1->move(CloseButton + QPoint(grow, 0));
}

void TAnalysisForm::LtrBoxPaint(QPainter& painter) {
    const int rh = LtrBox->height() / 7 + 1;
    const int cw = LtrBox->width() / 4 + 6;
    painter.setFont(LtrBox->font());
    const QFontMetrics m = painter.fontMetrics();
    // Letter, "-" and the count right-aligned to end 40 pixels in, on the
    // row's top; entries without a count fade into the window in white.
    const auto entry = [&](int row, int column, const QString& letter, int count) {
        const int x = column * cw;
        const int baseline = row * rh + m.ascent();
        const QString number = QString::number(count);
        painter.setPen(count != 0 ? MaroonColor : QColor(Qt::white));
        painter.drawText(x, baseline, letter);
        painter.drawText(x + 15, baseline, "-");
        painter.drawText(x + 40 - m.horizontalAdvance(number), baseline, number);
    };
    for (int i = 0; i < 26; ++i)
        entry(i / 4, i % 4, QString(QChar('A' + i)), Counts.LetterCount[std::size_t(i)]);
    entry(6, 3, "?", Counts.QueryCount);
}

} // namespace wl
