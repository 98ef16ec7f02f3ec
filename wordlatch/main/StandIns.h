// Minimal windows of the units still to come (preferences, analysis). Each is
// a hidden window with its caption and only the members the main window
// already talks to, so the menu is wired now and each class is replaced by the
// real window when its unit lands.
#pragma once

#include "ScoreUnit.h" // TModalResult

#include <QDialog>

namespace wl {

class TDemPrefForm : public QDialog {
    Q_OBJECT
public:
    TDemPrefForm();
};

class TAnalysisForm : public QDialog {
    Q_OBJECT
public:
    TAnalysisForm();
};

} // namespace wl
