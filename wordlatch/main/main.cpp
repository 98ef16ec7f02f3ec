// Program entry of the crossword program.
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
    wl::TPrompts* Prompts = nullptr;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            if (Prompts) Prompts->ReportException(QString::fromLocal8Bit(e.what()));
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    TWordlatchQApp qtApp(argc, argv);
    puzzles::InstallStartupProbe(qtApp);
    wl::TWordlatchApp app(wl::RealServices());
    qtApp.Prompts = app.Prompts.get();
    app.Show();
    const int result = qtApp.exec();
    qtApp.Prompts = nullptr;
    return result;
}
