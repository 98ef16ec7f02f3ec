// Tobbin Hangman: the game window with its sound player; ends with its exit sequence.
#include "DeferredIcons.h"
#include "FontsAhead.h"
#include "Form1.h"
#include "LazyWaveBackend.h"
#include "MciInterpreter.h"
#include "PlayerFolder.h"
#include "ProgramFolders.h"
#include "StartupProbe.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

#include <filesystem>

int main(int argc, char** argv) {
    std::jthread fontConfig = puzzles::ReadFontConfigAhead();
    QApplication app(argc, argv);
    fontConfig.join();
    // The desktop's icon for the game where it is installed, else its artwork.
    QGuiApplication::setDesktopFileName("tobbin-hangman");
    app.setWindowIcon(QIcon::fromTheme("tobbin-hangman", QIcon(":/hangman/logo.svg")));
    puzzles::InstallDeferredExtensionIcons(app);
    puzzles::InstallStartupProbe(app);
    hm::LazyWaveBackend speakers;
    hm::MciInterpreter mci(&speakers);
    const std::filesystem::path installed =
        puzzles::DataFolder(QCoreApplication::applicationDirPath().toStdString(), "tobbin-hangman");
    // The word list and top-ten table are read and written in the current
    // folder: the user's own one when the game is not started in its folder.
    std::error_code ec;
    const std::filesystem::path here = std::filesystem::current_path(ec);
    const std::filesystem::path folder = hm::PlayerFolder(
        here, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() + "/tobbin-hangman",
        installed);
    if (folder != here) std::filesystem::current_path(folder, ec);
    hm::API sounds(mci, installed.string());
    hangman::QtMessageBoxes messages;
    hangman::QtDialogs dialogs;
    hangman::QtShell shell;
    hangman::Form1 window(sounds, messages, hm::systemTimeOfDay, &dialogs, &shell);
    if (!window.Form_Load()) return 1;
    window.show();
    return app.exec();
}
