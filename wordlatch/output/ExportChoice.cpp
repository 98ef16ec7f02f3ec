#include "ExportChoice.h"

#include "PlacedControl.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace wl {

TExportChoiceForm::TExportChoiceForm(QWidget* parent) : QDialog(parent) {
    setObjectName("ExportChoiceForm");
    setModal(true);
    setFixedSize(262, 150);
    auto* grid = Control<QGroupBox>(this, "GridBox", {8, 8, 246, 72}, " Grid ");
    BlankRadio =
        Control<QRadioButton>(grid, "BlankRadio", {14, 22, 226, 20}, "Blank grid with numbers");
    SolutionRadio = Control<QRadioButton>(grid, "SolutionRadio", {14, 46, 226, 20}, "Solution");
    BlankRadio->setChecked(true);
    GrayChk = Control<QCheckBox>(this, "GrayChk", {22, 88, 226, 20}, "Gray Squares");
    OkBtn = Control<QPushButton>(this, "OkBtn", {86, 114, 80, 28}, "OK");
    CancelBtn = Control<QPushButton>(this, "CancelBtn", {174, 114, 80, 28}, "Cancel");
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

bool TExportChoiceForm::Ask(const QString& title) {
    setWindowTitle(title);
    const TExportLook before = Look();
    if (exec() == QDialog::Accepted) return true;
    SetLook(before);
    return false;
}

TExportLook TExportChoiceForm::Look() const {
    return {SolutionRadio->isChecked(), GrayChk->isChecked()};
}

void TExportChoiceForm::SetLook(const TExportLook& look) {
    (look.Solution ? SolutionRadio : BlankRadio)->setChecked(true);
    GrayChk->setChecked(look.Gray);
}

} // namespace wl
