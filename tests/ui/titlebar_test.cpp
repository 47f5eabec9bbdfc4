// The title bar the program draws where the window system leaves it to the program (Wayland).

#include "tests/support/ui.h"
#include "ui/titlebar.h"

#include <QMenuBar>
#include <QMessageBox>

namespace {

using namespace testsupport;
using ui::TitleBar;

// The boxes' top-left corners, in the window: close at the right, then maximize, then minimize.
QPoint box(const QWidget &window, int fromRight)
{
    return {window.width() - 3 - 2 - 16 - (fromRight > 0 ? 2 + 16 * fromRight : 0), 5};
}

class OwnTitleBar : public UiTest
{
};

void clickBox(QWidget &window, int fromRight)
{
    QTest::mouseClick(window.findChild<QWidget *>(QStringLiteral("titleBar")), Qt::LeftButton, {},
                      box(window, fromRight) + QPoint(8, 7));
}

TEST_F(OwnTitleBar, TheBoardsOwnTitleBarMinimizesAndClosesAndCannotMaximize)
{
    ui::Form1 &form = program.showForm1();
    ASSERT_TRUE(TitleBar::fit(&form, true));
    form.show();
    form.activateWindow();
    ASSERT_TRUE(waitUntil([&] { return form.isActiveWindow(); }));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    const int menu = form.menuBar()->height();
    EXPECT_EQ(form.centralWidget()->geometry(), QRect(3, 21 + menu, 254, 296));
    EXPECT_EQ(form.size(), QSize(260, 21 + menu + 296 + 3));

    const QImage drawn = form.grab().toImage();
    const QPoint maximize = box(form, 1), close = box(form, 0);
    const auto colour = [&](QPoint at) { return drawn.pixelColor(at).name(); };
    EXPECT_EQ(colour({3, 20}), "#000080"); // the active caption's left end, below the icon
    EXPECT_EQ(colour(maximize + QPoint(11, 6)), "#808080"); // the disabled glyph, etched
    EXPECT_EQ(colour(maximize + QPoint(12, 6)), "#ffffff");
    EXPECT_EQ(colour(close + QPoint(4, 3)), "#000000");

    clickBox(form, 1);
    EXPECT_FALSE(form.isMaximized());
    clickBox(form, 2);
    EXPECT_TRUE(form.isMinimized());
    form.showNormal();
    // A press on a box that is released elsewhere does nothing, as on the classic desktop.
    QWidget *bar = form.findChild<QWidget *>(QStringLiteral("titleBar"));
    QTest::mousePress(bar, Qt::LeftButton, {}, close + QPoint(8, 7));
    QTest::mouseMove(bar, QPoint(100, 10));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_TRUE(form.isVisible());
    clickBox(form, 0);
    ASSERT_TRUE(waitUntil([&] { return program.form1IfLoaded() == nullptr; }));
}

TEST_F(OwnTitleBar, AMessageBoxHasOnlyTheCloseBox)
{
    QMessageBox message(QMessageBox::Warning, QStringLiteral("Deslizador"), QStringLiteral("x"));
    ASSERT_TRUE(TitleBar::fit(&message, true));
    message.show();
    ASSERT_TRUE(waitUntil([&] { return message.isVisible(); }));
    const QImage drawn = message.grab().toImage();
    EXPECT_EQ(drawn.pixelColor(box(message, 0) + QPoint(4, 3)).name(), "#000000");
    EXPECT_NE(drawn.pixelColor(box(message, 1) + QPoint(8, 7)).name(), "#d4d0c8"); // no box
}

} // namespace
