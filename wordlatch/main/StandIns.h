// Minimal windows of the units still to come (clue writing, clue list,
// score card, preferences, analysis). Each is a hidden window with its
// caption and only the members the main window already talks to, so the menu is
// wired now and each class is replaced by the real window when its unit lands.
#pragma once

#include "GridPeers.h"

#include <QDialog>
#include <QString>
#include <QWidget>

class QListWidget;

namespace wl {

// Modal results the main window tells apart after a dialog closes.
enum TModalResult { mrCancel = 2, mrAbort = 3, mrYes = 6 };

class TAutoclueForm : public QWidget, public TGridAutocluePeer {
    Q_OBJECT
public:
    TAutoclueForm();
    bool IsShowing() const override { return isVisible(); }
    void GotoCursorWord() override {}
    void BringToFront() override;
};

class TCluesForm : public QWidget, public TGridClueListPeer {
    Q_OBJECT
public:
    TCluesForm();
    QListWidget* ClueList;
    void SelectClue(int index) override;
    // The text of the selected line; empty when none is selected.
    QString SelectedText() const;
};

class TScoreForm : public QDialog {
    Q_OBJECT
public:
    TScoreForm();
};

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
