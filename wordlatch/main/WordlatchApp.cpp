#include "WordlatchApp.h"

#include "AnalysisUnit.h"
#include "ClueBankUnit.h"
#include "DemoAboutUnit.h"
#include "DemoAutoUnit.h"
#include "DemoClueUnit.h"
#include "DemoGridUnit.h"
#include "DemoMsgUnit.h"
#include "DemoPrefUnit.h"
#include "DemoPrintUnit.h"
#include "DictionaryUnit.h"
#include "ExportChoice.h"
#include "ExportUnit.h"
#include "HelpWindow.h"
#include "MailbotUnit.h"
#include "ProgramFolders.h"
#include "SFXUnit.h"
#include "ScanUnit.h"
#include "ScoreUnit.h"
#include "ScratchpadUnit.h"
#include "ThesaurusUnit.h"
#include "ToolLinks.h"
#include "XwinDemo1.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <map>

namespace wl {

namespace {

bool IsInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

// Watches every event until the other windows exist: the first paint of the
// main window sends for them once its picture is on screen, input that comes
// sooner has them built before it is delivered, and a window never painted
// (started minimised) gets them a second after start.
class TOtherWindowsTrigger : public QObject {
public:
    TOtherWindowsTrigger(QWidget* mainWindow, std::function<void()> build)
        : QObject(mainWindow), MainWindow(mainWindow), Build(std::move(build)) {
        QCoreApplication::instance()->installEventFilter(this);
        QTimer::singleShot(1000, this, Build);
    }
    ~TOtherWindowsTrigger() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (IsInput(event->type())) {
            Build();
        } else if (event->type() == QEvent::Paint && !Painted && watched->isWidgetType() &&
                   static_cast<QWidget*>(watched)->window() == MainWindow) {
            Painted = true;
            QTimer::singleShot(0, this, Build);
        }
        return false;
    }

private:
    QWidget* MainWindow;
    std::function<void()> Build;
    bool Painted = false;
};

} // namespace

TAppServices RealServices() {
    TAppServices s;
    s.Boxes = std::make_unique<TQtMessageBoxes>();
    s.Waiter = std::make_unique<TQtWaiter>();
    s.Player = std::make_unique<TLazyWavePlayer>();
    s.FileDialogs = std::make_unique<TQtFileDialogs>();
    s.FontDialog = std::make_unique<TQtFontDialog>();
    s.Metrics = QtSystemMetrics();
    s.ScreenSize = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry().size() : QSize(1024, 768);
    };
    s.ProgramFolder = QString::fromStdString(
        puzzles::DataFolder(QCoreApplication::applicationDirPath().toStdString(), "wordlatch").string());
    s.PdfFile = TPrinterChoice::DefaultPdfFile();
    return s;
}

TWordlatchApp::TWordlatchApp(TAppServices services, TStartUp startUp)
    : Services(std::move(services)), Printers(Services.PdfFile, Services.PrinterSetupDialog),
      Help(std::make_unique<THelpWindow>()) {
    QCoreApplication::setApplicationName("Wordlatch Demo");
    DemMainForm = std::make_unique<TDemMainForm>(*this);
    CreationOrder << "TDemMainForm";
    if (startUp == TStartUp::AllWindows) BuildOtherWindows();
    else OtherWindowsTrigger = new TOtherWindowsTrigger(DemMainForm.get(), [this] { BuildOtherWindows(); });
}

void TWordlatchApp::BuildOtherWindows() {
    if (DemAboutForm) return;
    if (OtherWindowsTrigger) {
        // Not deleted at once: its event filter may be what called.
        OtherWindowsTrigger->deleteLater();
        OtherWindowsTrigger = nullptr;
    }
    const auto created = [this](const char* name) { CreationOrder << name; };
    DemAboutForm = std::make_unique<TDemAboutForm>();
    created("TDemAboutForm");
    AutoclueForm = std::make_unique<TAutoclueForm>(DemProcs, History, *Services.Waiter);
    AutoclueForm->addActions(DemMainForm->HistoryKeys());
    created("TAutoclueForm");
    CluesForm = std::make_unique<TCluesForm>(DemProcs);
    created("TCluesForm");
    DemGridForm = std::make_unique<TDemGridForm>(DemProcs, History, *Services.Waiter, Services.Metrics);
    DemGridForm->SetPeers(DemMainForm.get(), CluesForm.get(), AutoclueForm.get());
    DemGridForm->addActions(DemMainForm->MenuKeys());
    CluesForm->Connect(*DemGridForm, *DemMainForm);
    created("TDemGridForm");
    // XwdProcsCreate: the square size from the screen.
    DemProcs.CellSize = CellSizeFor(Services.Metrics);
    created("TDemProcs");
    ExportForm = std::make_unique<TExportForm>(DemProcs);
    created("TExportForm");
    ScoreForm = std::make_unique<TScoreForm>(DemProcs, History);
    created("TScoreForm");
    SoundFX = std::make_unique<TSoundFX>(DemProcs, *Services.Player);
    Prompts = std::make_unique<TPrompts>(*Services.Boxes, *SoundFX);
    AutoclueForm->Connect(*DemGridForm, *SoundFX, *Prompts);
    ScoreForm->Connect(*DemGridForm, *SoundFX, *Prompts);
    created("TSoundFX");
    DemPrefForm = std::make_unique<TDemPrefForm>(DemProcs);
    created("TDemPrefForm");
    DemPrintForm = std::make_unique<TDemPrintForm>(DemProcs, [this]() -> QPrinter& { return Printers.Printer(); }, Services.PdfFile,
                                                   *Prompts);
    DemPrefForm->Connect({DemGridForm.get(), &DemPrintForm->Settings, Services.FontDialog.get(),
                          [this](QWidget* parent, const QString& title, const QString& current) {
                              return ChooseToolProgram(parent, title, current);
                          },
                          [this](int preset) { DemMainForm->ArrangeWindowsAs(preset); }});
    created("TDemPrintForm");
    InfoWin = std::make_unique<TInfoWin>(DemGridForm.get(), *Services.Waiter);
    created("TInfoWin");
    AnalysisForm = std::make_unique<TAnalysisForm>(DemProcs);
    created("TAnalysisForm");
}

TWordlatchApp::~TWordlatchApp() {
    // Last created, first gone: no window outlives one it refers to.
    ExportChoiceForm.reset();
    MailbotForm.reset();
    ScratchpadForm.reset();
    ClueBankForm.reset();
    ThesaurusForm.reset();
    DictionaryForm.reset();
    ScanForm.reset();
    AnalysisForm.reset();
    InfoWin.reset();
    DemPrintForm.reset();
    DemPrefForm.reset();
    Prompts.reset();
    SoundFX.reset();
    ScoreForm.reset();
    ExportForm.reset();
    DemGridForm.reset();
    CluesForm.reset();
    AutoclueForm.reset();
    DemAboutForm.reset();
    DemMainForm.reset();
}

QString TWordlatchApp::ChooseToolProgram(QWidget* parent, const QString& title,
                                         const QString& current) {
    TFileDialogOptions options;
    // Each path names a program or the tool's data: the ClueBank's is a folder.
    static const std::map<QString, QString> data = {{"Dictionary", "word list"},
                                                    {"Thesaurus", "thesaurus file"},
                                                    {"ClueBank", "folder"},
                                                    {"Scratchpad", "notes file"}};
    const auto kind = data.find(title);
    options.Title = "Choose the " + title + " " + (kind == data.end() ? "" : kind->second + " or ") + "program";
    options.Folder = title == "ClueBank";
    options.FileName = current.isEmpty() ? QString("*") : current;
    options.Filter = "All Files (*)|*";
    options.MustExist = true;
    return Services.FileDialogs->Execute(parent, options);
}

std::vector<std::string> TWordlatchApp::WordListPaths() const {
    std::vector<std::string> paths{QDir(Services.ProgramFolder).filePath(BuiltinWordListName).toStdString()};
    for (const std::string& file : ListFilesIn(UserListFolder())) paths.push_back(file);
    const QString& named = DemPrefForm->ToolPaths.Dictionary;
    if (!named.isEmpty() && !IsToolProgram(named))
        paths.push_back(DemPrefForm->ToolPaths.Dictionary.toStdString());
    return paths;
}

void TWordlatchApp::Show() {
    DemMainForm->show();
}

} // namespace wl
