// The two helpers of the Autoclue editor: a picker of the special characters a
// clue can hold, and the list of all definitions.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QString>
#include <QValidator>
#include <QWidget>

class QTreeWidget;

namespace wl {

struct TXwdPuzzle;

// The characters of `text` that an 8-bit clue (Windows-1252) cannot hold:
// those outside the code page and control characters.
QString Unstorable(const QString& text);

// Accepts exactly the texts the code page can hold, so that no way of
// entering text (an input method, undo) can change a character into "?".
class TWin1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// A small pop-up of the accented letters and typographic signs of the code
// page; a click emits Picked and closes it.
class TSpecialCharsPicker : public QFrame {
    Q_OBJECT
public:
    explicit TSpecialCharsPicker(QWidget* parent);
    // Opens under `anchor`.
    void Popup(QWidget* anchor);
signals:
    void Picked(const QString& character);
};

// Every word of the grid in clue entry order with its number, direction,
// letters and clue; read-only. A double-click emits Chosen with the entry.
class TDefinitionsList : public QDialog {
    Q_OBJECT
public:
    explicit TDefinitionsList(QWidget* parent);
    QTreeWidget* DefsList;
    // Rebuilds the list from the record; `current` (an entry) is selected.
    void Fill(const TXwdPuzzle& p, int current);
signals:
    void Chosen(int entry);
};

} // namespace wl
