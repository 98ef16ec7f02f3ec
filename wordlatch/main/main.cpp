#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Wordlatch Demo");
    QMainWindow window;
    window.setWindowTitle("Wordlatch Demo 4");
    window.show();
    return app.exec();
}
