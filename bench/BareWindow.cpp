// The yardstick of the start-up benchmark: a bare Qt window, nothing else.
#include "StartupProbe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    puzzles::InstallStartupProbe(app);
    QWidget window;
    window.resize(400, 300);
    window.show();
    return app.exec();
}
