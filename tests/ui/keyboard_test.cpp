// The board played from the keyboard, and what a screen reader is told about it.

#include "tests/support/ui.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

namespace {

using namespace testsupport;

bool activate(QWidget *window)
{
    window->activateWindow();
    return waitUntil([window] { return window->isActiveWindow(); });
}

// The buttons the focus goes to, key after key.
QString walk(std::initializer_list<Qt::Key> keys, Qt::KeyboardModifiers modifiers = {})
{
    QStringList names;
    for (Qt::Key key : keys) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        const QWidget *focus = QApplication::focusWidget();
        names << (focus ? focus->objectName() : QStringLiteral("-"));
    }
    return names.join(' ');
}

// The dots on the line `inset` pixels inside a control's top edge, where its focus cue runs (four
// inside a button's face, two inside the web address's border, one on the banner), that differ
// from `plain`, the control as drawn without it.
int cueDots(QWidget *control, int inset, const QImage &plain)
{
    const QImage now = control->grab().toImage();
    int dots = 0;
    for (int x = inset; x < control->width() - inset; ++x)
        dots += now.pixel(x, inset) != plain.pixel(x, inset);
    return dots;
}

// On the active board one click from solved: tile 15 on place 16, the blank marker on place 15.
struct Keyboard : UiTest
{
    void SetUp() override { ASSERT_TRUE(activate(&form)); }
    ui::Form1 &form = oneMoveFromSolved();
};

TEST_F(Keyboard, TabWalksTheButtonsArrowsGoToNeighboursAndTheCueShowsAfterTheKeyboard)
{
    using enum Qt::Key;
    const QImage plain9 = form.button(9)->grab().toImage(),
                 plain11 = form.button(11)->grab().toImage();
    click(form.button(9)); // a click focuses the button, but shows no cue, nor do keys that
    walk({Key_A, Key_Space, Key_Return, Key_Escape}); // press it or move nothing
    EXPECT_EQ(cueDots(form.button(9), 4, plain9), 0);
    EXPECT_EQ(walk({Key_Tab, Key_Tab}), "Command10 Command11");
    EXPECT_GT(cueDots(form.button(11), 4, plain11), 10);
    form.button(11)->setFocus();
    EXPECT_EQ(walk({Key_Down, Key_Right, Key_Right, Key_Down, Key_Up, Key_Right, Key_Left, Key_Left,
                    Key_Left, Key_Left}),
              "Command16 Command15 Command15 Command15 Command12 Command12 Command11 Command10 "
              "Command9 Command9");
}

// What a screen reader hears of the moves and the win, the Orca and Wine checks listen to.
TEST_F(Keyboard, SpaceAndEnterClickTheFocusedTileAndTheBoardKeepsTheFocus)
{
    form.button(15)->setFocus();
    walk({Qt::Key_Space});
    EXPECT_EQ(form.game().board().text(logic::Text2), "1");
    ASSERT_NE(program.form2IfLoaded(), nullptr);
    EXPECT_TRUE(form.isActiveWindow()) << "the congratulations took the focus";
    form.button(12)->setFocus();
    walk({Qt::Key_Enter, Qt::Key_Return});
    EXPECT_EQ(form.button(12)->pos(), QPoint(176, 128));
    EXPECT_EQ(form.game().board().text(logic::Text2), "3");
}

TEST_F(Keyboard, AScreenReaderMeetsTheBoardsButtonsInTheOrderOfThePlaces)
{
    QAccessibleInterface *board =
        QAccessible::queryAccessibleInterface(form.findChild<QWidget *>(QStringLiteral("Tablero")));
    ASSERT_EQ(board->childCount(), 16);
    QStringList names;
    for (int place = 0; place < 16; ++place)
        names << board->child(place)->text(QAccessible::Name);
    EXPECT_EQ(names.join(','), "1,2,3,4,5,6,7,8,9,10,11,12,13,14,Lugar vacío,15");
    EXPECT_EQ(board->indexOfChild(QAccessible::queryAccessibleInterface(form.button(15))), 15);
}

TEST_F(Keyboard, TabGoesFromTheBlankToTheBannerAndOnToTile1AndTheBannerOpensOnSpaceAndEnter)
{
    using enum Qt::Key;
    auto *banner = form.findChild<QWidget *>(QStringLiteral("Image1"));
    click(banner); // the mouse opens the page, and the banner takes no focus from it
    EXPECT_EQ(recorders.opened.size(), 1U);
    EXPECT_NE(QApplication::focusWidget(), banner);
    const QImage plain = banner->grab().toImage();
    form.button(16)->setFocus();
    EXPECT_EQ(walk({Key_Tab, Key_Tab, Key_Backtab, Key_Backtab}),
              "Image1 Command1 Image1 Command16");
    walk({Key_Tab});
    EXPECT_GT(cueDots(banner, 1, plain), 40);
    walk({Key_Space, Key_Enter, Key_Return});
    EXPECT_EQ(recorders.opened.size(), 4U);
    EXPECT_EQ(walk({Key_Left, Key_Down}), "Image1 Image1") << "arrows stay on the banner";
}

TEST_F(Keyboard, TabWalksTheContactWindowsOkAndWebAddressWhichSpaceAndEnterOpen)
{
    using enum Qt::Key;
    walk({Key_C}, Qt::AltModifier);
    ui::Form7 *contact = program.form7IfLoaded();
    ASSERT_NE(contact, nullptr);
    ASSERT_TRUE(activate(contact));
    auto *address = contact->findChild<QWidget *>(QStringLiteral("Picture2"));
    QAccessibleInterface *link = QAccessible::queryAccessibleInterface(address);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(recorders.opened.size(), 1U);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "Command1");
    const QImage plain = address->grab().toImage();
    EXPECT_EQ(walk({Key_Tab}), "Picture2");
    EXPECT_GT(cueDots(address, 2, plain), 40);
    walk({Key_Space, Key_Enter});
    EXPECT_EQ(recorders.opened.size(), 3U);
    EXPECT_EQ(walk({Key_Tab}), "Command1");
    walk({Key_Space});
    EXPECT_EQ(program.form7IfLoaded(), nullptr);
    ASSERT_TRUE(activate(&form));
    QSignalSpy finished(&program, &ui::Program::finished);
    walk({Qt::Key_S}, Qt::AltModifier);
    EXPECT_EQ(finished.count(), 1);
}

} // namespace
