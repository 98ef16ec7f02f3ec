#include "DemoPrefUnit.h"

#include "AutoclueTools.h"
#include "ColorGrid.h"
#include "DialogLook.h"
#include "DemoGridUnit.h"
#include "FontDialog.h"
#include "GridPainter.h"
#include "PaintBox.h"
#include "PlacedControl.h"
#include "PrintSettings.h"
#include "Win1252.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include <tuple>

namespace wl {

const std::array<TArrangePreset, 4> ArrangePresets{{
    {{16, 24}, {124, 24}, {124, 66}},
    {{16, 24}, {124, 116}, {124, 24}},
    {{90, 24}, {16, 116}, {16, 24}},
    {{90, 24}, {16, 24}, {16, 66}},
}};

namespace {

// The note of each page, in page order.
const char* const PageNotes[] = {
    "Arrange shows the four window layouts in turn; the one showing when you close this "
    "dialog is applied. SOUNDS plays effects, SPEECH spoken prompts.",
    "Click a colour with the left mouse button for the white squares, with the right one for "
    "the black squares. Set Font... chooses the font of the letters.",
    "Your name and address head the manuscript. Definitions At Left puts the clues left of the "
    "answers; Bottom Margin keeps lines free at the foot of each page.",
    "A program here is started by its Tools command; any other path names the tool's data "
    "(word list, thesaurus file, ClueBank folder, notes file). Empty: the built-in tool.",
};

void SetColors(QWidget* w, const QColor& text, const QColor& background) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Window, background);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}


QWidget* Page(QTabWidget* pages, const char* name, const QString& caption) {
    auto* page = new QWidget;
    page->setObjectName(name);
    pages->addTab(page, caption);
    return page;
}

} // namespace

TDemPrefForm::TDemPrefForm(TDemProcs& procs) : Procs(procs) {
    SetUpSilverDialog(*this, "DemPrefForm", "Wordlatch Preferences", {299, 267});

    PageControl1 = Control<QTabWidget>(this, "PageControl1", {4, 4, 291, 194});
    GeneralPg = Page(PageControl1, "GeneralPg", "General");
    ViewPg = Page(PageControl1, "ViewPg", "View");
    PrintPg = Page(PageControl1, "PrintPg", "Print");
    ToolsPg = Page(PageControl1, "ToolsPg", "Tools");
    CreateGeneralPage();
    CreateViewPage();
    CreatePrintPage();
    CreateToolsPage();

    auto* bottom = Control<QFrame>(this, "BottomPnl", {0, 200, 299, 67});
    Txt = Control<QLabel>(bottom, "Txt", {8, 5, 209, 57});
    Txt->setWordWrap(true);
    Txt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetColors(Txt, QColor(0, 0, 128), QColor(192, 192, 192));
    DoneBtn = Control<QPushButton>(bottom, "DoneBtn", {224, 21, 67, 25}, "&Done");
    DoneBtn->setDefault(true);
    // Escape rejects, which closes the dialog just as Done does.
    connect(DoneBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TDemPrefForm::PageControl1Change);
}

void TDemPrefForm::Connect(TPrefLinks links) {
    Links = std::move(links);
}

void TDemPrefForm::CreateGeneralPage() {
    auto* preview = Control<QFrame>(GeneralPg, "PreviewBox", {8, 16, 189, 141});
    preview->setFrameStyle(QFrame::Box | QFrame::Sunken);
    // The panels lie on the page itself, so their places are the presets' own.
    const auto panel = [this](const char* name, const char* caption, QSize size) {
        auto* p = Control<QLabel>(GeneralPg, name, {QPoint(), size}, caption);
        p->setAlignment(Qt::AlignCenter);
        p->setFrameStyle(QFrame::Panel | QFrame::Raised);
        SetColors(p, Qt::black, Qt::white);
        return p;
    };
    PuzzlePnl = panel("PuzzlePnl", "PUZZLE", {100, 100});
    MenuPnl = panel("MenuPnl", "MENU", {65, 33});
    CluesPnl = panel("CluesPnl", "CLUES", {65, 82});
    ArrangeBtn = Control<QPushButton>(GeneralPg, "ArrangeBtn", {207, 24, 72, 25}, "Arrange");
    SoundChk = Control<QCheckBox>(GeneralPg, "SoundChk", {207, 70, 76, 20}, "SOUNDS");
    SpeechChk = Control<QCheckBox>(GeneralPg, "SpeechChk", {207, 94, 76, 20}, "SPEECH");
    connect(ArrangeBtn, &QPushButton::clicked, this, [this] {
        ArrangeBtnClick();
        ArrangeChosen = true;
    });
    for (QCheckBox* box : {SoundChk, SpeechChk})
        connect(box, &QCheckBox::clicked, this, [this, box] { SoundChkClick(box); });
}

void TDemPrefForm::CreateViewPage() {
    GridPad = Control<TPaintBox>(ViewPg, "GridPad", {8, 8, 169, 97});
    GridPad->OnPaint = [this](QPainter& painter) { GridPadPaint(painter); };
    const auto legend = [this](int top, const QColor& square, const char* name, const char* text) {
        auto* s = Control<QFrame>(ViewPg, "", {8, top, 13, 13});
        s->setFrameStyle(QFrame::Box | QFrame::Plain);
        SetColors(s, Qt::black, square);
        Control<QLabel>(ViewPg, name, {27, top - 2, 150, 17}, text);
    };
    legend(118, Qt::white, "LeftLbl", "Left mouse button");
    legend(140, Qt::black, "RightLbl", "Right mouse button");
    ColorGrid1 = Control<TColorGrid>(ViewPg, "ColorGrid1", {187, 8, 96, 96});
    FontBtn = Control<QPushButton>(ViewPg, "FontBtn", {187, 116, 96, 25}, "Set Font...");
    connect(ColorGrid1, &TColorGrid::ColorClicked, this, &TDemPrefForm::ColorGrid1Click);
    connect(FontBtn, &QPushButton::clicked, this, &TDemPrefForm::FontBtnClick);
}

void TDemPrefForm::CreatePrintPage() {
    const char* const names[] = {"NameEd", "Add1Ed", "Add2Ed", "Add3Ed", "Add4Ed"};
    const char* const hints[] = {"Name", "Address", "Address", "Address", "Address"};
    std::array<QLineEdit*, 5> edits{};
    for (int i = 0; i < 5; ++i) {
        QLineEdit* e = edits[std::size_t(i)] =
            Control<QLineEdit>(PrintPg, names[i], {8, 8 + 24 * i, 275, 22});
        e->setFont(PixelFont("Times New Roman", 13));
        e->setPlaceholderText(hints[i]);
        e->setMaxLength(60);
        // The lines are printed from 8-bit text, like the clues.
        e->setValidator(new TWin1252Validator(e));
        connect(e, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            (i == 0 ? Links.Print->Name : Links.Print->Address[std::size_t(i - 1)]) =
                ToWin1252(text);
        });
    }
    std::tie(NameEd, Add1Ed, Add2Ed, Add3Ed, Add4Ed) =
        std::tuple{edits[0], edits[1], edits[2], edits[3], edits[4]};
    DefLeftChk =
        Control<QCheckBox>(PrintPg, "DefLeftChk", {8, 134, 140, 20}, "Definitions At Left");
    Control<QLabel>(PrintPg, "PmLbl", {170, 136, 72, 17}, "Bottom Margin");
    PmSpin = Control<QSpinBox>(PrintPg, "PmSpin", {246, 133, 37, 22});
    PmSpin->setRange(0, 9);
    connect(DefLeftChk, &QCheckBox::clicked, this,
            [this](bool checked) { Links.Print->DefinitionsAtLeft = checked; });
    connect(PmSpin, &QSpinBox::valueChanged, this,
            [this](int lines) { Links.Print->BottomMargin = lines; });
}

void TDemPrefForm::CreateToolsPage() {
    struct TRow {
        const char *Edit, *Button, *Label;
        QLineEdit** EditField;
        QPushButton** ButtonField;
        QString TToolPaths::*Path;
    };
    const TRow rows[] = {
        {"DictEdit", "DictBtn", "Dictionary", &DictEdit, &DictBtn, &TToolPaths::Dictionary},
        {"ThesEdit", "ThesBtn", "Thesaurus", &ThesEdit, &ThesBtn, &TToolPaths::Thesaurus},
        {"ClueEdit", "ClueBtn", "ClueBank", &ClueEdit, &ClueBtn, &TToolPaths::ClueBank},
        {"PadEdit", "PadBtn", "Scratchpad", &PadEdit, &PadBtn, &TToolPaths::Scratchpad},
        {"MailEdit", "MailBtn", "Mailbot", &MailEdit, &MailBtn, &TToolPaths::Mailbot},
    };
    int top = 12;
    for (const TRow& row : rows) {
        Control<QLabel>(ToolsPg, "", {8, top + 2, 62, 17}, row.Label);
        QLineEdit* edit = *row.EditField =
            Control<QLineEdit>(ToolsPg, row.Edit, {72, top, 140, 21});
        *row.ButtonField =
            Control<QPushButton>(ToolsPg, row.Button, {218, top - 1, 65, 23}, "Browse...");
        QString& path = ToolPaths.*row.Path;
        const QString title = row.Label;
        connect(edit, &QLineEdit::textEdited, this, [&path](const QString& text) { path = text; });
        connect(*row.ButtonField, &QPushButton::clicked, this,
                [this, title, edit, &path] { BrowseClick(title, edit, path); });
        top += 32;
    }
}

void TDemPrefForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TDemPrefForm::FormShow() {
    ArrangeIndex = 0;
    ArrangeChosen = false;
    if (PageControl1->currentWidget() == GeneralPg) PageControl1Change();
    ArrangeBtnClick();
    LoadSettings();
}

void TDemPrefForm::LoadSettings() {
    SoundChk->setChecked(Procs.SoundMode == 1);
    SpeechChk->setChecked(Procs.SoundMode >= 2);
    const TPrintSettings& print = *Links.Print;
    NameEd->setText(FromWin1252(print.Name));
    const std::array<QLineEdit*, 4> address{Add1Ed, Add2Ed, Add3Ed, Add4Ed};
    for (std::size_t i = 0; i < 4; ++i) address[i]->setText(FromWin1252(print.Address[i]));
    DefLeftChk->setChecked(print.DefinitionsAtLeft);
    PmSpin->setValue(print.BottomMargin);
    DictEdit->setText(ToolPaths.Dictionary);
    ThesEdit->setText(ToolPaths.Thesaurus);
    ClueEdit->setText(ToolPaths.ClueBank);
    PadEdit->setText(ToolPaths.Scratchpad);
    MailEdit->setText(ToolPaths.Mailbot);
    GridPad->update();
}

void TDemPrefForm::ArrangeBtnClick() {
    ArrangeIndex = ArrangeIndex >= 4 ? 1 : ArrangeIndex + 1;
    const TArrangePreset& preset = ArrangePresets[ArrangeIndex - 1];
    PuzzlePnl->move(preset.Puzzle);
    MenuPnl->move(preset.Menu);
    CluesPnl->move(preset.Clues);
}

void TDemPrefForm::PageControl1Change() {
    const int page = PageControl1->currentIndex();
    if (page >= 0 && page < int(std::size(PageNotes))) Txt->setText(PageNotes[page]);
}

void TDemPrefForm::done(int result) {
    if (ArrangeChosen && Links.Arrange) Links.Arrange(ArrangeIndex);
    ArrangeChosen = false;
    QDialog::done(result);
}

void TDemPrefForm::SoundChkClick(QCheckBox* box) {
    // One sound mode at a time: sound effects, speech, or silence with neither.
    if (box->isChecked()) (box == SoundChk ? SpeechChk : SoundChk)->setChecked(false);
    Procs.SoundMode = SpeechChk->isChecked() ? 2 : SoundChk->isChecked() ? 1 : 0;
}

void TDemPrefForm::ColorGrid1Click(const QColor& color, Qt::MouseButton button) {
    TGridStyle style = Links.Grid->Style;
    if (button == Qt::LeftButton) {
        style.PaperColor = color;
    } else {
        style.GridColor = color;
        Links.Print->BlackSquares = {std::uint8_t(color.red()), std::uint8_t(color.green()),
                                     std::uint8_t(color.blue())};
    }
    Links.Grid->SetStyle(style);
    GridPad->update();
}

void TDemPrefForm::FontBtnClick() {
    TGridStyle style = Links.Grid->Style;
    const std::optional<QFont> font = Links.FontDialog->Execute(this, style.Font);
    if (!font) return;
    style.Font = *font;
    Links.Grid->SetStyle(style);
    GridPad->update();
}

void TDemPrefForm::BrowseClick(const QString& title, QLineEdit* edit, QString& path) {
    const QString chosen = Links.BrowseFile(this, title, path);
    if (chosen.isEmpty()) return;
    path = chosen;
    edit->setText(chosen);
}

void TDemPrefForm::GridPadPaint(QPainter& painter) {
    const TGridStyle& style = Links.Grid->Style;
    static const TXwdPuzzle none{};
    TGridPainter grid(painter, none, ModeLetters,
                      {Procs.CellSize, style.GridColor, style.PaperColor, style.Font, Qt::black});
    // Seven by four letters running diagonally, with a black bar of three in
    // column 4 and one more black square at the top of column 5.
    for (int r = 1; r <= 4; ++r)
        for (int i = 1; i <= 7; ++i) {
            const bool black = (i == 4 && r < 4) || (i == 5 && r == 1);
            grid.Square(i, r, black ? style.GridColor : style.PaperColor);
            if (!black) grid.Letter(i, r, char(64 + i + r - 1), Qt::black);
        }
}

} // namespace wl
