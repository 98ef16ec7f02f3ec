#include "frmStats.h"

#include <QLabel>
#include <QPushButton>

namespace hangman {

namespace {

constexpr int LeftCaption = 360, LeftValue = 1980, RightCaption = 2940, RightValue = 4260;

} // namespace

frmStats::frmStats(QWidget* parent)
    : SideDialog("frmStats", "Tobbin Statistics", 5880, 4980, parent) {
    addPicture("Image1", "stats_banner.svg", {120, 120, 5640, 1380});
    auto caption = [this](const char* name, const char* text, int left, int top) {
        QLabel* label = addLabel(name, text, {left, top, 1680, 255});
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    };
    caption("Label10", "Status:", LeftCaption, 1645);
    caption("Label4", "Games Won:", LeftCaption, 2280);
    caption("Label6", "Percent Won:", RightCaption, 2280);
    caption("Label5", "Games Lost:", LeftCaption, 2640);
    caption("Label8", "Current Score:", RightCaption, 2640);
    caption("Label17", "Letters Correct:", LeftCaption, 3480);
    caption("Label11", "% Correct:", RightCaption, 3480);
    caption("Label16", "Letters Incorrect:", LeftCaption, 3840);
    caption("Label12", "Longest Streak:", RightCaption, 3840);

    Label1 = value("Label1", LeftValue, 1645, 3720);
    Label2 = value("Label2", LeftValue, 2280, 1080);
    Label7 = value("Label7", RightValue, 2280, 1080);
    Label3 = value("Label3", LeftValue, 2640, 1080);
    Label9 = value("Label9", RightValue, 2640, 1080);
    Label15 = value("Label15", LeftValue, 3480, 1080);
    Label13 = value("Label13", RightValue, 3480, 1080);
    Label18 = value("Label18", LeftValue, 3840, 1080);
    Label14 = value("Label14", RightValue, 3840, 1560);

    QPushButton* ok = addButton("Command1", "OK", {2400, 4380, 1095, 375}, true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QLabel* frmStats::value(const char* name, int left, int top, int width) {
    QLabel* label = addLabel(name, QString(), {left, top, width, 255});
    label->setStyleSheet("color: rgb(0,0,128);");
    return label;
}

void frmStats::fill(const hm::Statistics& figures) {
    Label1->setText(fromBytes(figures.Label1));
    Label2->setText(fromBytes(figures.Label2));
    Label3->setText(fromBytes(figures.Label3));
    Label7->setText(fromBytes(figures.Label7));
    Label9->setText(fromBytes(figures.Label9));
    Label13->setText(fromBytes(figures.Label13));
    Label14->setText(fromBytes(figures.Label14));
    Label15->setText(fromBytes(figures.Label15));
    Label18->setText(fromBytes(figures.Label18));
}

} // namespace hangman
