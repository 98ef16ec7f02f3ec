// Minimal windows of the units still to come (export, preferences, printing,
// analysis). Each is a hidden window with its
// caption and only the members the main window already talks to, so the menu is
// wired now and each class is replaced by the real window when its unit lands.
#pragma once

#include "ScoreUnit.h" // TModalResult

#include <QDialog>
#include <QString>
#include <QWidget>

class QLineEdit;

namespace wl {

class TExportForm : public QWidget {
    Q_OBJECT
public:
    TExportForm();
    void ExportGrid(const QString& /*title*/, bool /*withSolution*/) {}
    void ExportClues() {}
};

class TDemPrefForm : public QDialog {
    Q_OBJECT
public:
    TDemPrefForm();
};

class TDemPrintForm : public QDialog {
    Q_OBJECT
public:
    TDemPrintForm();
    QLineEdit* TitleEdit;
    // The grid statistics shown on the manuscript, handed over before each show.
    QString SpecText;
    void PrintPuzzlePageNow() {}
};

class TAnalysisForm : public QDialog {
    Q_OBJECT
public:
    TAnalysisForm();
};

} // namespace wl
