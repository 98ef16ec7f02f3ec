// What the side windows share: a fixed dialog laid out in twips that its buttons and
// close box only hide, and the pointing-hand pointer of links and help topics.
#pragma once

#include <QDialog>
#include <QRect>

class QCursor;
class QLabel;
class QPushButton;

namespace hangman {

class Picture;

// The pointing hand drawn for the program, its hot spot at the fingertip.
QCursor pointingHandCursor();

// Text of the 8-bit files and labels as the widgets show it, and back.
QString fromBytes(const std::string& text);
std::string toBytes(const QString& text);

class SideDialog : public QDialog {
public:
    // A fixed client area of width x height twips; the caption is the window title.
    SideDialog(const char* name, const QString& caption, int width, int height, QWidget* parent);

protected:
    // Every label of the window shows its whole text in the font it is drawn in.
    void showEvent(QShowEvent* event) override;
    // Places in twips. The OK-type button is the default and Esc presses it too.
    QPushButton* addButton(const char* name, const QString& caption, QRect place,
                           bool isDefault = false);
    QLabel* addLabel(const char* name, const QString& text, QRect place);
    Picture* addPicture(const char* name, const char* resource, QRect place);
};

} // namespace hangman
