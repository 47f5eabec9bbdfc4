// The title bar the program draws where the window system leaves it to the program (Wayland).

#include "tests/support/ui.h"
#include "ui/widgets/titlebar.h"

#include <QMenuBar>

namespace {

using namespace testsupport;

TEST_F(UiTest, TheBoardsOwnTitleBarMinimizesAndClosesAndCannotMaximize)
{
    ui::Form1 &form = program.showForm1();
    ASSERT_TRUE(ui::TitleBar::fit(&form, true));
    // The boxes' top-left corners: close 2 pixels in from the frame, maximize and minimize before.
    const auto box = [&](int fromRight) {
        return QPoint(form.width() - 3 - 2 - 16 - (fromRight > 0 ? 2 + 16 * fromRight : 0), 5);
    };
    form.show();
    form.activateWindow();
    ASSERT_TRUE(waitUntil([&] { return form.isActiveWindow(); }));
    EXPECT_EQ(form.centralWidget()->geometry(), QRect(3, 21 + form.menuBar()->height(), 254, 296));

    const QImage drawn = form.grab().toImage();
    const auto colour = [&](QPoint at) { return drawn.pixelColor(at).name(); };
    const QPoint maximize = box(1), close = box(0);
    EXPECT_EQ(colour({3, 20}), "#000080"); // the active caption's left end, below the icon
    EXPECT_EQ(colour(maximize + QPoint(11, 6)), "#808080"); // the disabled glyph, etched
    EXPECT_EQ(colour(maximize + QPoint(12, 6)), "#ffffff");
    EXPECT_EQ(colour(close + QPoint(4, 3)), "#000000");

    QWidget *bar = form.findChild<QWidget *>(QStringLiteral("titleBar"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, maximize + QPoint(8, 7));
    EXPECT_FALSE(form.isMaximized());
    QTest::mouseClick(bar, Qt::LeftButton, {}, box(2) + QPoint(8, 7));
    EXPECT_TRUE(form.isMinimized());
    form.showNormal();
    // A press on a box that is released elsewhere does nothing, as on the classic desktop.
    QTest::mousePress(bar, Qt::LeftButton, {}, close + QPoint(8, 7));
    QTest::mouseMove(bar, QPoint(100, 10));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_TRUE(form.isVisible());
    QTest::mouseClick(bar, Qt::LeftButton, {}, close + QPoint(8, 7));
    ASSERT_TRUE(waitUntil([&] { return program.form1IfLoaded() == nullptr; }));
}

} // namespace
