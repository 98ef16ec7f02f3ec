// The application object: sets the title and help file, then creates the
// program's thirteen single instances in their fixed order and owns them until
// the program ends. A test builds a fresh one per case. The program itself
// builds the main window first and the hidden twelve once it has painted.
#pragma once

#include "DemoProcsUnit.h"
#include "FontDialog.h"
#include "PrinterChoice.h"
#include "Prompts.h"
#include "PuzzleHistory.h"
#include "SystemMetrics.h"
#include "WaitFor.h"
#include "WavePlayer.h"
#include "XwdFileDialogs.h"

#include <QObject>
#include <QSize>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>
#include <memory>

namespace wl {

class TDemMainForm;
class TDemAboutForm;
class TAutoclueForm;
class TCluesForm;
class TDemGridForm;
class TExportForm;
class TScoreForm;
class TSoundFX;
class TDemPrefForm;
class TDemPrintForm;
class TInfoWin;
class TAnalysisForm;
class TScanForm;
class TDictionaryForm;
class TThesaurusForm;
class TClueBankForm;
class TScratchpadForm;
class TMailbotForm;
class TExportChoiceForm;
class THelpWindow;

// The platform services the program runs on; tests put scripted ones in.
struct TAppServices {
    std::unique_ptr<IMessageBoxes> Boxes;
    std::unique_ptr<IWaiter> Waiter;
    std::unique_ptr<IWavePlayer> Player;
    std::unique_ptr<IFileDialogs> FileDialogs;
    std::unique_ptr<IFontDialog> FontDialog;
    TPrinterChoice::TSetupDialog PrinterSetupDialog = TPrinterChoice::QtSetupDialog;
    TSystemMetrics Metrics;
    std::function<QSize()> ScreenSize; // the whole screen, for Auto Arrange
    QString ProgramFolder;             // where the help file lies
    QString PdfFile;                   // pages go here where no printer is installed
};

// The real services of the running program. Needs a QApplication.
TAppServices RealServices();

inline constexpr const char* HelpFileName = "WordlatchDemo.Hlp";

// What the constructor builds: all thirteen instances, or the main window alone,
// the others following once it has painted (before any input reaches a window).
enum class TStartUp { AllWindows, MainWindowFirst };

class TWordlatchApp {
public:
    explicit TWordlatchApp(TAppServices services, TStartUp startUp = TStartUp::AllWindows);
    ~TWordlatchApp();
    TWordlatchApp(const TWordlatchApp&) = delete;
    TWordlatchApp& operator=(const TWordlatchApp&) = delete;

    TAppServices Services;
    // The data module's record and globals; the module computes CellSize in its turn.
    TDemProcs DemProcs;
    // Every change to the record, to undo and redo.
    TPuzzleHistory History{DemProcs};
    TPrinterChoice Printers;
    std::unique_ptr<THelpWindow> Help;
    // The message boxes with their sounds; exists once the sound module does.
    std::unique_ptr<TPrompts> Prompts;

    // The thirteen instances, in the order of creation.
    std::unique_ptr<TDemMainForm> DemMainForm;
    std::unique_ptr<TDemAboutForm> DemAboutForm;
    std::unique_ptr<TAutoclueForm> AutoclueForm;
    std::unique_ptr<TCluesForm> CluesForm;
    std::unique_ptr<TDemGridForm> DemGridForm;
    std::unique_ptr<TExportForm> ExportForm;
    std::unique_ptr<TScoreForm> ScoreForm;
    std::unique_ptr<TSoundFX> SoundFX;
    std::unique_ptr<TDemPrefForm> DemPrefForm;
    std::unique_ptr<TDemPrintForm> DemPrintForm;
    std::unique_ptr<TInfoWin> InfoWin;
    std::unique_ptr<TAnalysisForm> AnalysisForm;
    // Made when Scan Grid is first chosen.
    std::unique_ptr<TScanForm> ScanForm;
    // Made when the Dictionary is first chosen.
    std::unique_ptr<TDictionaryForm> DictionaryForm;
    // The other Tools windows, each made when first chosen.
    std::unique_ptr<TThesaurusForm> ThesaurusForm;
    std::unique_ptr<TClueBankForm> ClueBankForm;
    std::unique_ptr<TScratchpadForm> ScratchpadForm;
    std::unique_ptr<TMailbotForm> MailbotForm;
    // What the grid exports show; made at the first export, kept for the run.
    std::unique_ptr<TExportChoiceForm> ExportChoiceForm;

    // The word lists the Dictionary loads, in order: the built-in one beside
    // the program, the user's lists, the one named in the preferences.
    std::vector<std::string> WordListPaths() const;

    // Class names in the order the instances were created.
    QStringList CreationOrder;

    // Shows the main window (the message loop's first act).
    void Show();
    // Creates the twelve instances that follow the main window, in their order;
    // does nothing once they exist.
    void BuildOtherWindows();

private:
    // Sends for the other windows while they are still to be built.
    QObject* OtherWindowsTrigger = nullptr;
    // The file dialog of the preferences' "Browse..." buttons.
    QString ChooseToolProgram(QWidget* parent, const QString& title, const QString& current);
};

} // namespace wl
