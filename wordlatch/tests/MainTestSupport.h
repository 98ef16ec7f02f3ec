// A fresh application per test, running on scripted platform services: message
// boxes and file dialogs answer from queues, waits take no time, the screen is
// 1024 x 768 and CellSize is 27.
#pragma once

#include "AnalysisUnit.h"
#include "DemoAboutUnit.h"
#include "DemoAutoUnit.h"
#include "DemoClueUnit.h"
#include "DemoGridUnit.h"
#include "DemoMsgUnit.h"
#include "DemoPrefUnit.h"
#include "DemoPrintUnit.h"
#include "ExportUnit.h"
#include "PlatformFakes.h"
#include "ScoreUnit.h"
#include "WordlatchApp.h"
#include "XwinDemo1.h"

#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

namespace wl::fakes {

// Records the options of every dialog and answers from a queue of paths; an
// empty path (or an empty queue) is Cancel.
class TScriptedFileDialogs : public IFileDialogs {
public:
    std::vector<TFileDialogOptions> Shown;
    std::deque<QString> Answers;
    QString Execute(QWidget*, const TFileDialogOptions& options) override {
        Shown.push_back(options);
        if (Answers.empty()) return {};
        QString a = Answers.front();
        Answers.pop_front();
        return a;
    }
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        App = std::make_unique<TWordlatchApp>(ScriptedServices());
        App->Show();
        Main = App->DemMainForm.get();
        Procs = &App->DemProcs;
    }

    // Fresh scripted services; the fixture's pointers then reach them.
    TAppServices ScriptedServices() {
        TAppServices s;
        s.Boxes = std::make_unique<TScriptedBoxes>();
        s.Waiter = std::make_unique<TInstantWaiter>();
        s.Player = std::make_unique<TRecordingPlayer>();
        s.FileDialogs = std::make_unique<TScriptedFileDialogs>();
        s.FontDialog = std::make_unique<TScriptedFontDialog>();
        s.PrinterSetupDialog = [this](QPrinter& printer, QWidget*) {
            SetupPrinter = &printer;
            return true;
        };
        s.Metrics = MetricsForCellSize(27);
        s.ScreenSize = [] { return QSize(1024, 768); };
        s.ProgramFolder = Dir.path();
        s.PdfFile = Path("out.pdf");
        Boxes = static_cast<TScriptedBoxes*>(s.Boxes.get());
        Waiter = static_cast<TInstantWaiter*>(s.Waiter.get());
        Player = static_cast<TRecordingPlayer*>(s.Player.get());
        Dialogs = static_cast<TScriptedFileDialogs*>(s.FileDialogs.get());
        FontDialog = static_cast<TScriptedFontDialog*>(s.FontDialog.get());
        return s;
    }

    QString Path(const QString& name) const { return Dir.filePath(name); }

    // A puzzle file of side n made by the model itself; `edit` changes it first.
    QString MakePuzzleFile(const QString& name, int n,
                           const std::function<void(TXwdPuzzle&)>& edit = {}) {
        TDemProcs p;
        p.NewPuzzle(std::int16_t(n));
        if (edit) edit(p.Puzzle);
        p.SavePuzzle(Path(name).toStdString());
        return Path(name);
    }
    QByteArray FileBytes(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void NewPuzzle(QAction* size, const QString& name) {
        Dialogs->Answers.push_back(Path(name));
        Main->NewPuzzleClick(size);
    }
    void OpenPuzzle(const QString& path, bool forSolving) {
        Dialogs->Answers.push_back(path);
        Main->Open1Click(forSolving);
    }
    QStringList BoxTexts() const {
        QStringList texts;
        for (const auto& shown : Boxes->Shown) texts << shown.Text;
        return texts;
    }

    QTemporaryDir Dir;
    TScriptedBoxes* Boxes = nullptr;
    TInstantWaiter* Waiter = nullptr;
    TRecordingPlayer* Player = nullptr;
    TScriptedFileDialogs* Dialogs = nullptr;
    TScriptedFontDialog* FontDialog = nullptr;
    QPrinter* SetupPrinter = nullptr;
    std::unique_ptr<TWordlatchApp> App;
    TDemMainForm* Main = nullptr;
    TDemProcs* Procs = nullptr;
};

} // namespace wl::fakes
