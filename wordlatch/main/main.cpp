// Program entry of the crossword program.
#include "DeferredIcons.h"
#include "FontsAhead.h"
#include "StartupProbe.h"
#include "WordlatchApp.h"

#include <QApplication>
#include <exception>

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
    std::jthread fontConfig = puzzles::ReadFontConfigAhead();
    TWordlatchQApp qtApp(argc, argv);
    fontConfig.join();
    puzzles::InstallDeferredExtensionIcons(qtApp);
    puzzles::InstallStartupProbe(qtApp);
    wl::TWordlatchApp app(wl::RealServices(), wl::TStartUp::MainWindowFirst);
    qtApp.App = &app;
    app.Show();
    const int result = qtApp.exec();
    qtApp.App = nullptr;
    return result;
}
