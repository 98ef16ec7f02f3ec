// Tobbin Hangman: the game window with its sound player; ends with its exit sequence.
#include "DeferredIcons.h"
#include "FontsAhead.h"
#include "Form1.h"
#include "MciInterpreter.h"
#include "LazyWaveBackend.h"
#include "StartupProbe.h"

#include <QApplication>

int main(int argc, char** argv) {
    std::jthread fontConfig = puzzles::ReadFontConfigAhead();
    QApplication app(argc, argv);
    fontConfig.join();
    puzzles::InstallDeferredExtensionIcons(app);
    puzzles::InstallStartupProbe(app);
    hm::LazyWaveBackend speakers;
    hm::MciInterpreter mci(&speakers);
    // The wave files lie beside the program.
    hm::API sounds(mci, QCoreApplication::applicationDirPath().toStdString());
    hangman::QtMessageBoxes messages;
    hangman::QtDialogs dialogs;
    hangman::QtShell shell;
    hangman::Form1 window(sounds, messages, hm::systemTimeOfDay, &dialogs, &shell);
    if (!window.Form_Load()) return 1;
    window.show();
    return app.exec();
}
