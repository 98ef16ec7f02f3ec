// The statistics window: the figures of the current run in caption and value pairs.
#pragma once

#include "SideWidgets.h"
#include "Statistics.h"

#include <array>

namespace hangman {

class frmStats : public SideDialog {
public:
    explicit frmStats(QWidget* parent);
    // Writes the figures into the value labels.
    void fill(const hm::Statistics& figures);

private:
    QLabel* value(const char* name, int left, int top, int width);

    QLabel *Label1, *Label2, *Label3, *Label7, *Label9, *Label13, *Label14, *Label15, *Label18;
};

} // namespace hangman
