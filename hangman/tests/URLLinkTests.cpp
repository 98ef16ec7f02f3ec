// The hyperlink label: sizing by its text, the tool tip, what a press does (left
// button only, the GoToURL event with Cancel and a replaced address, the hourglass,
// the error message) and the property store.
#include "URLLink.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using hangman::URLLink;

struct Recorder : hangman::MessageBoxes, hangman::Shell {
    QStringList messages, opened;
    Qt::CursorShape cursorDuringOpen = Qt::ArrowCursor;
    bool fail = false;
    void message(QWidget*, const QString& title, const QString& text,
                 hangman::MessageIcon icon) override {
        EXPECT_EQ(title, "Tobbin Hangman");
        EXPECT_EQ(icon, hangman::MessageIcon::None);
        messages << text;
    }
    void open(const QString& url) override {
        const QCursor* cursor = QApplication::overrideCursor();
        cursorDuringOpen = cursor ? cursor->shape() : Qt::ArrowCursor;
        if (fail) throw hangman::ShellError{"No handler for the address", 53};
        opened << url;
    }
};

class Link : public ::testing::Test {
protected:
    Recorder shell;
    URLLink link{shell, shell, nullptr};
    void press(Qt::MouseButton button = Qt::LeftButton) { QTest::mousePress(link.label(), button); }
};

TEST_F(Link, TheLabelTakesExactlyTheSizeOfItsText) {
    const QFontMetrics metrics(link.label()->font());
    EXPECT_TRUE(link.label()->font().underline());
    const int before = link.label()->width();
    link.setText("A much longer caption than the default one");
    EXPECT_EQ(link.label()->geometry(),
              QRect(0, 0, metrics.horizontalAdvance(link.Text()), metrics.height()));
    EXPECT_GT(link.label()->width(), before);
    EXPECT_EQ(link.size(), link.label()->size());
    link.setText("");
    EXPECT_EQ(link.label()->width(), 0);
}

TEST_F(Link, TheToolTipShowsTheAddressOnlyWhenAskedTo) {
    link.setURL("https://example.org/a");
    EXPECT_EQ(link.label()->toolTip(), "");
    link.setShowToolTip(true);
    EXPECT_EQ(link.label()->toolTip(), "https://example.org/a");
    link.setURL("https://example.org/b");
    EXPECT_EQ(link.label()->toolTip(), "https://example.org/b");
    link.setShowToolTip(false);
    EXPECT_EQ(link.label()->toolTip(), "");
}

TEST_F(Link, ALeftPressOpensTheAddressUnderTheHourglassAndOtherButtonsDoNothing) {
    int events = 0;
    link.GoToURL = [&](QString&, bool&) { ++events; };
    press(Qt::RightButton);
    press(Qt::MiddleButton);
    EXPECT_EQ(events, 0);
    EXPECT_TRUE(shell.opened.isEmpty());
    press();
    EXPECT_EQ(events, 1);
    EXPECT_EQ(shell.opened, QStringList{URLLink::DefaultURL});
    EXPECT_EQ(shell.cursorDuringOpen, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the pointer is restored";
}

TEST_F(Link, TheEventMayCancelOrReplaceTheAddressForThisPressOnly) {
    link.GoToURL = [](QString&, bool& cancel) { cancel = true; };
    press();
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    link.GoToURL = [](QString& url, bool& cancel) {
        EXPECT_FALSE(cancel);
        url = "https://example.org/elsewhere";
    };
    press();
    EXPECT_EQ(shell.opened, QStringList{"https://example.org/elsewhere"});
    EXPECT_EQ(link.URL(), URLLink::DefaultURL);
}

TEST_F(Link, AnErrorWhileOpeningIsReportedAndThePointerRestored) {
    shell.fail = true;
    link.setURL("nowhere");
    press();
    EXPECT_EQ(shell.messages,
              QStringList{"Unable to load 'nowhere' : No handler for the address (Error 53)"});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Link, PropertiesAtTheirDefaultsAreNotStoredAndReadBack) {
    QVariantMap store{{"Text", "stale"}};
    link.UserControl_WriteProperties(store);
    EXPECT_TRUE(store.isEmpty()) << "defaults are not stored";
    link.UserControl_ReadProperties(store);
    EXPECT_EQ(link.Text(), URLLink::DefaultText);
    EXPECT_EQ(link.URL(), URLLink::DefaultURL);
    EXPECT_FALSE(link.ShowToolTip());

    link.setText("Home");
    link.setURL("https://example.org/home");
    link.setShowToolTip(true);
    EXPECT_EQ(link.changedProperties(), (QSet<QString>{"Text", "URL", "ShowToolTip"}));
    link.UserControl_WriteProperties(store);
    URLLink copy(shell, shell, nullptr);
    copy.UserControl_ReadProperties(store);
    EXPECT_EQ(copy.Text(), "Home");
    EXPECT_EQ(copy.label()->toolTip(), "https://example.org/home");

    store["ShowToolTip"] = QStringList{"not", "a", "flag"};
    copy.UserControl_ReadProperties(store);
    EXPECT_EQ(copy.Text(), URLLink::DefaultText) << "a bad store gives a new instance";
    EXPECT_EQ(copy.URL(), URLLink::DefaultURL);
}

} // namespace
