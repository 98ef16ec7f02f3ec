// The main window: layout, tool buttons, clue display and closing.
#include "XwinDemo1.h"
#include "ScratchpadUnit.h"

#include "Artwork.h"
#include "DemoAutoUnit.h"
#include "DemoClueUnit.h"
#include "DemoGridUnit.h"
#include "HelpWindow.h"
#include "WordlatchApp.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

namespace wl {

namespace {

// Client coordinates below the menu bar.
constexpr int ToolPanelHeight = 41;
constexpr int ModeLabelTop = ToolPanelHeight;
constexpr int ModeLabelHeight = 19;
constexpr int InfoTop = ModeLabelTop + ModeLabelHeight; // logo and memo start here
constexpr int DataMemoHeight = 57;
constexpr int BylineHeight = 20;
constexpr int ToolButtonSize = 25;

QFont ArialFont(int pixelSize, bool bold) {
    QFont font("Arial");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

TDemMainForm::TDemMainForm(TWordlatchApp& app) : App(app) {
    setObjectName("DemMainForm");
    setWindowTitle("Wordlatch Demo 4");
    // A fixed single border with the system menu and a minimise button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(212, 208, 200));
    grey.setColor(QPalette::Button, QColor(212, 208, 200));
    setPalette(grey);

    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    setCentralWidget(client);
    CreateToolPanel();
    CreateInfoArea();
    CreateMenu();
    CreateHistoryKeys();
    FormCreate();
}

void TDemMainForm::CreateToolPanel() {
    ToolPanel = new QFrame(centralWidget());
    ToolPanel->setObjectName("ToolPanel");
    static_cast<QFrame*>(ToolPanel)->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ToolPanel->setGeometry(0, 0, MainClientWidth, ToolPanelHeight);
    // Takes the focus away from the memo, so it never shows a caret.
    ToolPanel->setFocusPolicy(Qt::ClickFocus);

    const auto makeButton = [this](const char* name, const QString& glyph, const QString& hint,
                                   int left) {
        auto* button = new QToolButton(ToolPanel);
        button->setObjectName(name);
        button->setIcon(ToolGlyph(glyph));
        button->setIconSize(QSize(18, 18));
        button->setGeometry(left, (ToolPanelHeight - ToolButtonSize) / 2, ToolButtonSize,
                            ToolButtonSize);
        button->setFocusPolicy(Qt::NoFocus);
        Hints[button] = hint;
        return button;
    };
    // Three pairs: mouse and cheat, the two construction modes, symmetry and clues.
    MouseBtn = makeButton("MouseBtn", "MOUSEACR", "Swap mouse buttons", 10);
    CheatBtn = makeButton("CheatBtn", "CHEAT", "Show puzzle answers", 37);
    SquaresBtn = makeButton("SquaresBtn", "SQUARES", "Design puzzle grid", 87);
    LettersBtn = makeButton("LettersBtn", "LETTERS", "Construct the puzzle", 114);
    SymmetryBtn = makeButton("SymmetryBtn", "ONSYMMETRY", "Grid symmetry is ON", 164);
    AutoclueBtn = makeButton("AutoclueBtn", "AUTOCLUE", "Write the clues", 191);
    for (QToolButton* radio : {SquaresBtn, LettersBtn}) {
        radio->setCheckable(true);
        radio->setAutoExclusive(true);
    }
    for (int left : {72, 149}) {
        auto* line = new QFrame(ToolPanel);
        line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
        line->setGeometry(left, 8, 2, ToolButtonSize);
    }

    connect(MouseBtn, &QToolButton::clicked, this, &TDemMainForm::MouseBtnClick);
    connect(CheatBtn, &QToolButton::pressed, this, &TDemMainForm::CheatBtnMouseDown);
    connect(CheatBtn, &QToolButton::released, this, &TDemMainForm::CheatBtnMouseUp);
    connect(SquaresBtn, &QToolButton::clicked, this, &TDemMainForm::SquaresBtnClick);
    connect(LettersBtn, &QToolButton::clicked, this, &TDemMainForm::LettersBtnClick);
    connect(SymmetryBtn, &QToolButton::clicked, this, &TDemMainForm::SymmetryBtnClick);
    connect(AutoclueBtn, &QToolButton::clicked, this, &TDemMainForm::AutoclueBtnClick);

    SetToolEnabled(MouseBtn, true);
    for (QToolButton* b : {CheatBtn, SquaresBtn, LettersBtn, SymmetryBtn, AutoclueBtn})
        SetToolEnabled(b, false);
}

void TDemMainForm::CreateInfoArea() {
    QWidget* client = centralWidget();
    ModeLabel = new QLabel(client);
    ModeLabel->setObjectName("ModeLabel");
    ModeLabel->setFont(ArialFont(13, true));
    ModeLabel->setAlignment(Qt::AlignCenter);
    ModeLabel->setGeometry(0, ModeLabelTop, MainClientWidth, ModeLabelHeight);

    LogoImage = new QLabel(client);
    LogoImage->setObjectName("LogoImage");
    LogoImage->setGeometry(0, InfoTop, LogoSize.width(), LogoSize.height());
    LogoImage->setPixmap(LogoPixmap(devicePixelRatioF()));
    const auto logoLabel = [this](const char* name, const QString& text, const QFont& font, int top,
                                  int height) {
        auto* label = new QLabel(text, LogoImage);
        label->setObjectName(name);
        label->setFont(font);
        label->setStyleSheet("color: white; background: transparent");
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        label->setGeometry(104, top, 114, height);
        return label;
    };
    QFont product("Times New Roman");
    product.setPixelSize(23);
    product.setBold(true);
    ProductLbl = logoLabel("ProductLbl", "Wordlatch", product, 44, 34);
    PlatformLbl = logoLabel("PlatformLbl", "for the Qt desktop", ArialFont(11, false), 88, 16);
    VersionLbl = logoLabel("VersionLbl", "Version 4.0", ArialFont(11, true), 104, 16);
    VersionLbl->setStyleSheet("color: #ffe14d; background: transparent");

    DataMemo = new QPlainTextEdit(client);
    DataMemo->setObjectName("DataMemo");
    DataMemo->setReadOnly(true);
    DataMemo->setTextInteractionFlags(Qt::NoTextInteraction);
    DataMemo->setFocusPolicy(Qt::NoFocus);
    DataMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DataMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont memoFont("Times New Roman");
    memoFont.setPixelSize(14);
    memoFont.setBold(true);
    DataMemo->setFont(memoFont);
    QPalette memoColours = DataMemo->palette();
    memoColours.setColor(QPalette::Text, QColor(0, 0, 128));
    memoColours.setColor(QPalette::Base, Qt::white);
    DataMemo->setPalette(memoColours);
    DataMemo->document()->setDocumentMargin(3);
    DataMemo->viewport()->setCursor(Qt::ArrowCursor);
    DataMemo->viewport()->installEventFilter(this);
    DataMemo->setGeometry(0, InfoTop, MainClientWidth, DataMemoHeight);
    DataMemo->hide();

    UpdateBtn = new QPushButton("Update", client);
    UpdateBtn->setObjectName("UpdateBtn");
    UpdateBtn->setToolTip("Update puzzle specifications");
    UpdateBtn->setFocusPolicy(Qt::NoFocus);
    UpdateBtn->hide();
    connect(UpdateBtn, &QPushButton::clicked, this, &TDemMainForm::UpdateBtnClick);

    Byline = new QLabel(client);
    Byline->setObjectName("Byline");
    Byline->setFont(ArialFont(13, false));
    Byline->setAlignment(Qt::AlignCenter);
    Byline->setGeometry(0, 0, MainClientWidth, BylineHeight); // moved to the bottom when sized
    Byline->hide();
}

void TDemMainForm::FormCreate() {
    // The tool glyphs ("MOUSEACR", "ONSYMMETRY", ...) are loaded as the buttons are made.
    // The window width less 10: two pixels of grey either side inside the frame.
    UpdateBtn->setGeometry(2, 121, OuterWidth() - 10, 20);
}

void TDemMainForm::showEvent(QShowEvent* event) {
    // Restoring from the task bar is not a new show.
    if (!event->spontaneous()) FormShow();
    QMainWindow::showEvent(event);
}

void TDemMainForm::FormShow() {
    const TSystemMetrics& m = App.Services.Metrics;
    SetOuterHeight(m.CaptionHeight + m.MenuHeight + LogoImage->geometry().bottom() + 1 + 12);
    App.DemProcs.SoundMode = 1;
}

void TDemMainForm::SetOuterHeight(int outerHeight) {
    const TSystemMetrics& m = App.Services.Metrics;
    OuterHeightValue = outerHeight;
    const int clientHeight =
        std::max(0, outerHeight - m.CaptionHeight - m.MenuHeight - 2 * MainFrameBorder);
    centralWidget()->setFixedSize(MainClientWidth, clientHeight);
    Byline->setGeometry(0, clientHeight - BylineHeight, MainClientWidth, BylineHeight);
    setFixedSize(MainClientWidth, menuBar()->sizeHint().height() + clientHeight);
}

void TDemMainForm::SetToolEnabled(QToolButton* button, bool enabled) {
    button->setEnabled(enabled);
    button->setToolTip(enabled ? Hints[button] : QString());
}

void TDemMainForm::SetDataMemo(const QString& text) {
    QString shown = text;
    DataMemo->setPlainText(shown.replace("\r\n", "\n"));
}

QString TDemMainForm::SpecText() const {
    return DataMemo->toPlainText().replace('\n', "\r\n");
}

bool TDemMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DataMemo->viewport() && event->type() == QEvent::MouseButtonPress) {
        // DataMemoMouseDown
        ToolPanel->setFocus();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TDemMainForm::ShowClue() {
    SetDataMemo(App.CluesForm->SelectedText());
    ModeLabel->setText(App.DemGridForm->Direction == 1 ? "Across Clue" : "Down Clue");
}

void TDemMainForm::ClearClue() {
    DataMemo->clear();
    if (App.DemProcs.PuzzleMode == ModeSolve) ModeLabel->clear();
}

void TDemMainForm::MouseBtnClick() {
    TDemGridForm& grid = *App.DemGridForm;
    grid.SwapButtons = !grid.SwapButtons;
    MouseBtn->setIcon(ToolGlyph(grid.SwapButtons ? "MOUSEDWN" : "MOUSEACR"));
}

void TDemMainForm::SymmetryBtnClick() {
    TDemGridForm& grid = *App.DemGridForm;
    grid.SymmetryOn = !grid.SymmetryOn;
    SymmetryBtn->setIcon(ToolGlyph(grid.SymmetryOn ? "ONSYMMETRY" : "OFFSYMMETRY"));
    Hints[SymmetryBtn] = grid.SymmetryOn ? "Grid symmetry is ON" : "Grid symmetry is OFF";
    SetToolEnabled(SymmetryBtn, SymmetryBtn->isEnabled());
}

void TDemMainForm::SquaresBtnClick() {
    TDemGridForm& grid = *App.DemGridForm;
    if (grid.Direction != 0) grid.HighlightWord(grid.CursorPos, Qt::white);
    if (App.AutoclueForm->isVisible()) App.AutoclueForm->close();
    App.DemProcs.PuzzleMode = ModeSquares;
}

void TDemMainForm::LettersBtnClick() {
    App.DemProcs.PuzzleMode = ModeLetters;
}

void TDemMainForm::AutoclueBtnClick() {
    // Already open (perhaps behind the grid): brought to the front, its walk kept.
    if (App.AutoclueForm->isVisible()) {
        App.AutoclueForm->raise();
        App.AutoclueForm->activateWindow();
        return;
    }
    if (!GridComplete(App.DemProcs.Puzzle) &&
        App.Prompts->Warning("Running Autoclue before completing puzzle is not recommended. "
                             "Start Autoclue anyway?",
                             TPromptButtons::YesNo) != TPromptAnswer::Yes)
        return;
    App.AutoclueForm->show();
}

void TDemMainForm::CheatBtnMouseDown() {
    App.DemGridForm->ShowAnswers();
}

void TDemMainForm::CheatBtnMouseUp() {
    App.DemGridForm->Invalidate();
}

void TDemMainForm::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery() || !FormClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool TDemMainForm::FormCloseQuery() {
    TDemProcs& procs = App.DemProcs;
    if (procs.PuzzleMode == ModeSolve || !procs.PuzzleChanged) return true;
    switch (App.Prompts->Confirm("Puzzle has changed. Save current changes?",
                                 TPromptButtons::YesNoCancel)) {
    case TPromptAnswer::Cancel:
        return false;
    case TPromptAnswer::No:
        procs.PuzzleChanged = false;
        return true;
    default:
        return true;
    }
}

bool TDemMainForm::FormClose() {
    TDemProcs& procs = App.DemProcs;
    // A failed save keeps the program open with the changes still in memory,
    // unless the user lets them go: in solve mode nothing else would ever let
    // the program end while the file cannot be written.
    if (procs.PuzzleChanged && !Reported([&] { procs.SavePuzzle(procs.PuzzleFileName); }) &&
        App.Prompts->Confirm(CloseUnsavedQuestion, TPromptButtons::YesNo) != TPromptAnswer::Yes)
        return false;
    // Notes typed into the scratchpad are never lost without a word.
    if (App.ScratchpadForm && !App.ScratchpadForm->Save() &&
        App.Prompts->Confirm(QString("The scratchpad could not be saved (%1). Exit anyway?")
                                 .arg(App.ScratchpadForm->SaveError()),
                             TPromptButtons::YesNo) != TPromptAnswer::Yes)
        return false;
    App.Help->Quit();
    procs.AllowChildClose = true;
    for (QWidget* w : std::initializer_list<QWidget*>{App.DemGridForm.get(), App.CluesForm.get(),
                                                      App.AutoclueForm.get()})
        w->close();
    return true;
}

} // namespace wl
