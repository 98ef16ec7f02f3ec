// Tobbin Hangman: the game window with its sound player; ends when the window closes.
#include "Form1.h"
#include "MciInterpreter.h"
#include "QtWaveBackend.h"
#include "StartupProbe.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    puzzles::InstallStartupProbe(app);
    hm::QtWaveBackend speakers;
    hm::MciInterpreter mci(&speakers);
    // The wave files lie beside the program.
    hm::API sounds(mci, QCoreApplication::applicationDirPath().toStdString());
    hangman::QtMessageBoxes messages;
    hangman::Form1 window(sounds, messages);
    if (!window.Form_Load()) return 1;
    window.show();
    return app.exec();
}
