// The deferred overflow icons against the style's own: the same pictures and sizes.
#include "DeferredIcons.h"

#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

QImage Painted(const QIcon& icon, QSize size, qreal ratio, QIcon::Mode mode) {
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, QRect(QPoint(), size), Qt::AlignCenter, mode);
    return image;
}

TEST(DeferredIcons, LookAndMeasureAsTheStylesOwnIconsInTheWindowsThatUseThem) {
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(QApplication::style()->name()));
    ASSERT_TRUE(plain);
    puzzles::InstallDeferredExtensionIcons(*qApp);
    QStyle* installed = QApplication::style();

    for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton,
                             QStyle::SP_ToolBarVerticalExtensionButton, QStyle::SP_MessageBoxWarning}) {
        const QIcon deferred = installed->standardIcon(which);
        const QIcon expected = plain->standardIcon(which);
        EXPECT_FALSE(deferred.isNull());
        EXPECT_EQ(deferred.availableSizes(), expected.availableSizes());
        for (const int side : {8, 13, 16, 32, 48})
            for (const qreal ratio : {1.0, 1.5, 2.0})
                for (const auto mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
                    SCOPED_TRACE(testing::Message() << which << " side " << side << " ratio " << ratio
                                                    << " mode " << mode);
                    const QSize size(side, side);
                    const QPixmap got = deferred.pixmap(size, ratio, mode);
                    const QPixmap want = expected.pixmap(size, ratio, mode);
                    EXPECT_EQ(got.devicePixelRatio(), want.devicePixelRatio());
                    EXPECT_EQ(got.toImage(), want.toImage());
                    EXPECT_EQ(deferred.actualSize(size, mode), expected.actualSize(size, mode));
                    EXPECT_EQ(Painted(deferred, size, ratio, mode), Painted(expected, size, ratio, mode));
                }
    }

    // A menu bar's overflow button shows the style's picture.
    QMenuBar bar;
    const auto* overflow = bar.findChild<QToolButton*>("qt_menubar_ext_button");
    ASSERT_NE(overflow, nullptr);
    const QIcon expected = plain->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    EXPECT_EQ(overflow->icon().pixmap(QSize(16, 16)).toImage(), expected.pixmap(QSize(16, 16)).toImage());
}

} // namespace
