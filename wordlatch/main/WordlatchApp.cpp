#include "WordlatchApp.h"

#include "AnalysisUnit.h"
#include "DemoAboutUnit.h"
#include "DemoAutoUnit.h"
#include "DemoClueUnit.h"
#include "DemoGridUnit.h"
#include "DemoMsgUnit.h"
#include "DemoPrefUnit.h"
#include "DemoPrintUnit.h"
#include "ExportUnit.h"
#include "HelpWindow.h"
#include "SFXUnit.h"
#include "ScoreUnit.h"
#include "XwinDemo1.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace wl {

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
    s.ProgramFolder = QCoreApplication::applicationDirPath();
    s.PdfFile = TPrinterChoice::DefaultPdfFile();
    return s;
}

TWordlatchApp::TWordlatchApp(TAppServices services)
    : Services(std::move(services)), Printers(Services.PdfFile, Services.PrinterSetupDialog),
      Help(std::make_unique<THelpWindow>()) {
    QCoreApplication::setApplicationName("Wordlatch Demo");
    const auto created = [this](const char* name) { CreationOrder << name; };

    DemMainForm = std::make_unique<TDemMainForm>(*this);
    created("TDemMainForm");
    DemAboutForm = std::make_unique<TDemAboutForm>();
    created("TDemAboutForm");
    AutoclueForm = std::make_unique<TAutoclueForm>(DemProcs, *Services.Waiter);
    created("TAutoclueForm");
    CluesForm = std::make_unique<TCluesForm>(DemProcs);
    created("TCluesForm");
    DemGridForm = std::make_unique<TDemGridForm>(DemProcs, *Services.Waiter, Services.Metrics);
    DemGridForm->SetPeers(DemMainForm.get(), CluesForm.get(), AutoclueForm.get());
    DemGridForm->addActions(DemMainForm->MenuKeys());
    CluesForm->Connect(*DemGridForm, *DemMainForm);
    created("TDemGridForm");
    // XwdProcsCreate: the square size from the screen.
    DemProcs.CellSize = CellSizeFor(Services.Metrics);
    created("TDemProcs");
    ExportForm = std::make_unique<TExportForm>(DemProcs);
    created("TExportForm");
    ScoreForm = std::make_unique<TScoreForm>(DemProcs);
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
    options.Title = "Choose the " + title + " program";
    options.FileName = current.isEmpty() ? QString("*") : current;
    options.Filter = "All Files (*)|*";
    options.MustExist = true;
    return Services.FileDialogs->Execute(parent, options);
}

void TWordlatchApp::Show() {
    DemMainForm->show();
}

} // namespace wl
