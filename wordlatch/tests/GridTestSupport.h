// A grid window over a fresh 15x15 puzzle with 27-pixel squares, driven by
// real mouse and key events, and readers for the pixels it shows.
#pragma once

#include "DemoGridUnit.h"
#include "PlatformFakes.h"

#include <QImage>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace wl::gridtest {

inline constexpr int Cell = 27;

// Records what the grid asks of the windows around it.
class TPeerLog : public TGridMainPeer, public TGridClueListPeer, public TGridAutocluePeer {
public:
    QStringList Calls;
    bool Showing = false;
    void ShowClue() override { Calls << "ShowClue"; }
    void ClearClue() override { Calls << "ClearClue"; }
    void SelectClue(int index) override { Calls << QString("SelectClue %1").arg(index); }
    bool IsShowing() const override { return Showing; }
    void GotoCursorWord() override { Calls << "GotoCursorWord"; }
    void BringToFront() override { Calls << "BringToFront"; }
};

// Records every pause and lets a test look at the window during it.
class TWatchingWaiter : public IWaiter {
public:
    std::vector<int> Waits;
    std::function<void()> OnWait;
    void WaitFor(int ms) override {
        Waits.push_back(ms);
        if (OnWait) OnWait();
    }
};

class GridWindow : public ::testing::Test {
protected:
    void SetUp() override {
        Procs.NewPuzzle(15);
        Procs.CellSize = Cell;
        Procs.PuzzleMode = ModeLetters;
        Grid = std::make_unique<TDemGridForm>(Procs, History, Waiter, fakes::MetricsForCellSize(Cell));
        Grid->SetPeers(&Peers, &Peers, &Peers);
        Grid->setWindowTitle("MYPUZ.XWD");
        Grid->show();
    }
    void TearDown() override {
        Procs.AllowChildClose = true;
        Grid.reset();
    }

    static QPoint Centre(int x, int y) { return {(x - 1) * Cell + 13, (y - 1) * Cell + 13}; }
    void Click(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(Grid.get(), button, {}, Centre(x, y));
    }
    void Type(const char* keys) {
        for (; *keys; ++keys) QTest::keyClick(Grid.get(), *keys);
    }
    QImage Shown() { return Grid->grab().toImage(); }
    // Colour inside square (x, y), clear of its outline and its letter.
    static QColor Fill(const QImage& image, int x, int y) {
        return image.pixelColor((x - 1) * Cell + 3, (y - 1) * Cell + 3);
    }
    // How many pixels inside square (x, y) match `test`.
    template <typename Test> static int Count(const QImage& image, int x, int y, Test test) {
        int n = 0;
        for (int py = 2; py < Cell - 1; ++py)
            for (int px = 2; px < Cell - 1; ++px)
                n += test(image.pixelColor((x - 1) * Cell + px, (y - 1) * Cell + py)) ? 1 : 0;
        return n;
    }
    static int Ink(const QImage& image, int x, int y) {
        return Count(image, x, y, [](QColor c) { return c.lightness() < 80; });
    }

    TDemProcs Procs;
    TPuzzleHistory History{Procs};
    TWatchingWaiter Waiter;
    TPeerLog Peers;
    std::unique_ptr<TDemGridForm> Grid;
};

} // namespace wl::gridtest
