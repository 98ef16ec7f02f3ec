// Program entry of the crossword program.
#include "CommandLine.h"
#include "DeferredIcons.h"
#include "FontsAhead.h"
#include "StartupProbe.h"
#include "WordlatchApp.h"
#include "XwinDemo1.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <exception>
#include <iostream>

namespace {

// The application's general error report: an exception that leaves an event
// handler is shown in a message box with its text, and the program goes on.
class TWordlatchQApp : public QApplication {
public:
    using QApplication::QApplication;
    wl::TWordlatchApp* App = nullptr;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            if (App && App->Prompts) App->Prompts->ReportException(QString::fromLocal8Bit(e.what()));
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    const wl::TCommandLine line = wl::ParseCommandLine({argv + 1, argv + argc}, WORDLATCH_VERSION);
    if (line.Action != wl::TCommandLine::Run) {
        (line.Action == wl::TCommandLine::Wrong ? std::cerr : std::cout) << line.Text;
        return line.Action == wl::TCommandLine::Wrong ? 2 : 0;
    }
    std::jthread fontConfig = puzzles::ReadFontConfigAhead();
    TWordlatchQApp qtApp(argc, argv);
    fontConfig.join();
    // The desktop's icon for the program where it is installed, else its artwork.
    QGuiApplication::setDesktopFileName("wordlatch");
    qtApp.setWindowIcon(QIcon::fromTheme("wordlatch", QIcon(":/logo/logo.svg")));
    puzzles::InstallDeferredExtensionIcons(qtApp);
    puzzles::InstallStartupProbe(qtApp);
    wl::TWordlatchApp app(wl::RealServices(), wl::TStartUp::MainWindowFirst);
    qtApp.App = &app;
    app.Show();
    // The puzzle named on the command line opens once the window is up.
    if (!line.File.empty())
        QTimer::singleShot(0, &qtApp, [&] {
            app.BuildOtherWindows();
            app.DemMainForm->OpenPuzzleFile(QString::fromLocal8Bit(line.File.c_str()), !line.Edit);
        });
    const int result = qtApp.exec();
    qtApp.App = nullptr;
    return result;
}
