// TAnalysisForm: the statistics of the current grid and the table of how often
// each letter occurs, counted again each time the window is shown.
#pragma once

#include "GridAnalysis.h"

#include <QColor>
#include <QDialog>

class QLabel;
class QPainter;
class QPushButton;

namespace wl {

class TDemProcs;
class TPaintBox;

inline const QColor MaroonColor{128, 0, 0};
inline const QColor GreyTextColor{128, 128, 128};

class TAnalysisForm : public QDialog {
    Q_OBJECT
public:
    // Reads the record of `procs`, which must outlive the window.
    explicit TAnalysisForm(const TDemProcs& procs);

    // Value labels, and the caption of the 2-letter line, which greys with it.
    QLabel *BkSqLbl, *AcrLbl, *DwnLbl, *WdsLbl, *Ltr3Lbl, *Ltr2Lbl, *EndSLbl, *AvgLbl;
    QLabel* Ltr2Caption;
    QLabel* IDLbl;
    TPaintBox* LtrBox;
    QPushButton* BitBtn1;

    // The counts of the last showing; the letter table is painted from them.
    TGridAnalysis Counts;

    void FormShow();
    void LtrBoxPaint(QPainter& painter);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FitIdLine();

    const TDemProcs& Procs;
};

} // namespace wl
