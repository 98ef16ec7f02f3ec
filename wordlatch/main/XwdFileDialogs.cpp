#include "XwdFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace wl {

TFileDialogOptions XwdDialogOptions(const QString& title, const QString& fileName) {
    TFileDialogOptions options;
    options.Title = title;
    options.FileName = fileName;
    options.DefaultExt = "XWD";
    options.Filter = "Wordlatch Puzzle (*.XWD)|*.XWD";
    return options;
}

QString QtNameFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
            patterns << p;
            if (p.toLower() != p) patterns << p.toLower();
        }
        QString description = parts[i];
        // Qt reads the patterns from the parenthesis, so the description keeps only its words.
        description = description.left(description.indexOf('(')).trimmed();
        filters << QString("%1 (%2)").arg(description, patterns.join(' '));
    }
    return filters.join(";;");
}

bool ExtensionDiffers(const QString& path, const QString& defaultExt) {
    const QString suffix = QFileInfo(path).suffix();
    return !suffix.isEmpty() && suffix.compare(defaultExt, Qt::CaseInsensitive) != 0;
}

QString TQtFileDialogs::Execute(QWidget* parent, const TFileDialogOptions& options) {
    QFileDialog dialog(parent, options.Title);
    dialog.setObjectName(options.Save ? "SaveXwdDlg" : "OpenXwdDlg");
    dialog.setAcceptMode(options.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(options.Folder      ? QFileDialog::Directory
                       : options.MustExist ? QFileDialog::ExistingFile
                                           : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.OverwritePrompt);
    dialog.setDefaultSuffix(options.DefaultExt);
    dialog.setNameFilter(QtNameFilter(options.Filter));
    // A filter of one format lends its extension to a name typed without one.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        const QString ext = filter.section("*.", 1, 1).section(' ', 0, 0).remove(')');
        if (filter.count("*.") <= 2 && !ext.isEmpty()) dialog.setDefaultSuffix(ext);
    });
    if (!options.FileName.contains('*')) dialog.selectFile(options.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

} // namespace wl
