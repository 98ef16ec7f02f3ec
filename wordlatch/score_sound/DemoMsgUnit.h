// TInfoWin: the small borderless window telling that a save, a print or an
// export is running.
#pragma once

#include <QFrame>
#include <QWidget>
#include <cstdint>
#include <functional>

class QLabel;

namespace wl {

class IWaiter;

// A raised panel whose caption is drawn right-aligned with its trailing spaces,
// which keep the words that far off the right edge.
class TInfoPanel : public QFrame {
public:
    explicit TInfoPanel(QWidget* parent);
    QString Caption;

protected:
    void paintEvent(QPaintEvent* event) override;
};

inline constexpr std::uint8_t InfoSaving = 1;
inline constexpr std::uint8_t InfoPrinting = 2;
inline constexpr std::uint8_t InfoExporting = 3;

class TInfoWin : public QWidget {
    Q_OBJECT
public:
    // `gridWindow` is the window the status window sits at (35, 35 from its
    // top-left corner, also while it is hidden); may be null (then it stays put).
    TInfoWin(QWidget* gridWindow, IWaiter& waiter);

    // 1 saving, 2 printing, 3 exporting; read when the window is shown.
    std::uint8_t InfoKind = InfoSaving;

    // The whole status sequence: set InfoKind, show, WaitFor(5) for printing and
    // exporting so the window paints, run `work`, WaitFor(1000), close. The
    // window also closes when `work` throws; the exception then goes on.
    void ShowWhile(std::uint8_t kind, const std::function<void()>& work);

    // The text and picture resource of a kind ("SAVE" or "PRINT").
    static QString InfoText(std::uint8_t kind);
    static QString PictureName(std::uint8_t kind);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* GridWindow;
    IWaiter& Waiter;
    TInfoPanel* Panel1; // the panel filling the window
    QLabel* Image1;     // the 34 x 31 picture
};

} // namespace wl
