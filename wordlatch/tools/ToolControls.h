// The controls and counts the Tools windows share.
#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>

class QLabel;
class QPushButton;
class QTreeWidget;
class QWidget;

namespace wl {

// A named button that Enter in the window's edit boxes does not press.
QPushButton* Button(QWidget* parent, const char* name, const QString& text);
// A named list of rows: the first column takes the width, the others their text's.
QTreeWidget* Table(QWidget* parent, const char* name, const QStringList& columns);
// The window's status line, wrapped.
QLabel* StatusLabel(QWidget* parent);
// "12,345"
QString Thousands(std::size_t n);
// "1 clue", "12,345 clues"
QString Counted(std::size_t n, const char* one, const char* many);

} // namespace wl
