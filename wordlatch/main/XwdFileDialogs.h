// The open and save dialogs of the main window, behind a small interface so
// tests answer them from a script.
#pragma once

#include <QString>

class QWidget;

namespace wl {

struct TFileDialogOptions {
    bool Save = false; // a save dialog, else an open dialog
    QString Title;
    QString FileName;   // the name proposed, e.g. "*.xwd" or "untitled.xwd"
    QString DefaultExt; // added when the user types no extension
    QString Filter;     // "Description|*.EXT" pairs separated by "|"
    bool OverwritePrompt = false;
    bool MustExist = false; // the path and the file must exist
    bool Folder = false;    // an existing folder rather than a file
};

// The open dialog's filters: XWD first (the default), one per exchange format,
// then all puzzles; Save As offers the three formats.
inline constexpr const char* OpenFilter =
    "Wordlatch Puzzle (*.XWD)|*.XWD|PUZ Puzzle (*.PUZ)|*.PUZ|IPUZ Puzzle (*.IPUZ)|*.IPUZ|"
    "All Puzzles (*.XWD;*.PUZ;*.IPUZ)|*.XWD;*.PUZ;*.IPUZ";
inline constexpr const char* SaveAsFilter =
    "Wordlatch Puzzle (*.XWD)|*.XWD|PUZ Puzzle (*.PUZ)|*.PUZ|IPUZ Puzzle (*.IPUZ)|*.IPUZ";

// A dialog for one XWD file: default extension XWD, the XWD filter.
TFileDialogOptions XwdDialogOptions(const QString& title, const QString& fileName);

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // The chosen path, or an empty string when the user cancels.
    virtual QString Execute(QWidget* parent, const TFileDialogOptions& options) = 0;
};

// QFileDialog, modal.
class TQtFileDialogs : public IFileDialogs {
public:
    QString Execute(QWidget* parent, const TFileDialogOptions& options) override;
};

// "Wordlatch Puzzle (*.XWD)|*.XWD" as Qt name filters, matching either case.
QString QtNameFilter(const QString& filter);

// Whether the name's extension differs from `defaultExt` (case ignored); a name
// without an extension has the default one added by the dialog.
bool ExtensionDiffers(const QString& path, const QString& defaultExt);

} // namespace wl
