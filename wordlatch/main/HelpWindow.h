// The help system: a window that shows the program's help file, opened on its
// contents page and closed when the program ends.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace wl {

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    THelpWindow();
    QTextBrowser* Browser;

    // Shows `helpFile` at its contents page; false when the file cannot be read.
    bool ShowContents(const QString& helpFile);
    // Closes the help of this program (the help system's quit command).
    void Quit();
};

// The file named `name` in `folder`, whatever the case of its letters; empty when absent.
QString FindFileIgnoringCase(const QString& folder, const QString& name);

} // namespace wl
