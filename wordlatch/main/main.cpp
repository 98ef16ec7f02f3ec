// Program entry of the crossword program.
#include "WordlatchApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    wl::TWordlatchApp app(wl::RealServices());
    app.Show();
    return qtApp.exec();
}
