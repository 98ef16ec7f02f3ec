#include "HelpWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace wl {

THelpWindow::THelpWindow() : Browser(new QTextBrowser(this)) {
    setObjectName("HelpWindow");
    setWindowTitle("Wordlatch Demo Help");
    Browser->setObjectName("HelpBrowser");
    Browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
    resize(560, 640);
}

bool THelpWindow::ShowContents(const QString& helpFile) {
    if (helpFile.isEmpty() || !QFileInfo(helpFile).isReadable()) return false;
    // The file's extension says nothing of its content, which is HTML.
    Browser->setSource(QUrl::fromLocalFile(helpFile), QTextDocument::HtmlResource);
    Browser->scrollToAnchor("contents");
    show();
    raise();
    activateWindow();
    return true;
}

void THelpWindow::Quit() {
    close();
}

QString FindFileIgnoringCase(const QString& folder, const QString& name) {
    const QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::Files))
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
    return {};
}

} // namespace wl
