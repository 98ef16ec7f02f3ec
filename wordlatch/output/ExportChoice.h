// TExportChoiceForm: asks what a grid export shows, the blank grid with its
// numbers or the solution, black or gray squares. One dialog serves every
// export for the whole run, so the last choices stay.
#pragma once

#include "GridShapes.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace wl {

class TExportChoiceForm : public QDialog {
    Q_OBJECT
public:
    explicit TExportChoiceForm(QWidget* parent = nullptr);

    QRadioButton *BlankRadio, *SolutionRadio;
    QCheckBox* GrayChk;
    QPushButton *OkBtn, *CancelBtn;

    // Shows the dialog captioned `title` until OK (true) or Cancel (false);
    // Cancel puts back the choices it was shown with.
    bool Ask(const QString& title);
    TExportLook Look() const;

private:
    void SetLook(const TExportLook& look);
};

} // namespace wl
