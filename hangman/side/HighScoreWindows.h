// The high-score table Form4 and the name prompt frmHighScore.
#pragma once

#include "SideWidgets.h"
#include "TopTen.h"

#include <array>
#include <functional>

class QLineEdit;

namespace hangman {

class Form4 : public SideDialog {
public:
    // onOk: "Ok" was pressed (the window is hidden already). onExit: "Exit", or the
    // close box, whichever way the window was opened: the player leaves the program.
    Form4(std::function<void()> onOk, std::function<void()> onExit, QWidget* parent);
    // Names and scores of ranks 1 to 10.
    void fill(const hm::TopTen& table);
    // The view at exit: "Exit" in place of "Ok".
    void showExit(bool exit);

    std::array<QLabel*, hm::TopTenSize> Label2{}; // names
    std::array<QLabel*, hm::TopTenSize> Label3{}; // scores
    QPushButton* Command1 = nullptr;              // "Ok"
    QPushButton* Command2 = nullptr;              // "Exit"

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override; // Esc: the button that shows

private:
    std::function<void()> onOk_, onExit_;
};

class frmHighScore : public SideDialog {
public:
    explicit frmHighScore(QWidget* parent);
    QString name() const;
    QLineEdit* Text1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override; // the close box gives an empty name
    void reject() override;                       // Esc is OK
};

} // namespace hangman
