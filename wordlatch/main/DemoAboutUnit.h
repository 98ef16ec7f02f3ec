// TDemAboutForm: the about box.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace wl {

class TDemAboutForm : public QDialog {
    Q_OBJECT
public:
    TDemAboutForm();
    QLabel* LogoImage;
    QLabel* ProductLbl;
    QLabel* VersionLbl;
    QLabel* CopyrightLbl;
    QPushButton* CloseBtn;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace wl
