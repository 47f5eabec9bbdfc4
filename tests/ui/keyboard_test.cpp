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

// Dark dots on the line four pixels inside a button's top edge, where the focus cue runs.
int cueDots(QWidget *button)
{
    const QImage face = button->grab().toImage();
    int dots = 0;
    for (int x = 4; x < button->width() - 4; ++x)
        dots += qGray(face.pixel(x, 4)) < 64;
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
    click(form.button(9)); // a click focuses the button, but shows no cue
    EXPECT_EQ(cueDots(form.button(9)), 0);
    EXPECT_EQ(walk({Key_Tab, Key_Tab}), "Command10 Command11");
    EXPECT_GT(cueDots(form.button(11)), 10);
    form.button(11)->setFocus();
    EXPECT_EQ(walk({Key_Down, Key_Right, Key_Right, Key_Down, Key_Up, Key_Right, Key_Left, Key_Left,
                    Key_Left, Key_Left}),
              "Command16 Command15 Command15 Command15 Command12 Command12 Command11 Command10 "
              "Command9 Command9");
}

TEST_F(Keyboard, SpaceAndEnterClickAndTheScreenReaderHearsTheNewPlace)
{
    EXPECT_EQ(form.button(15)->accessibleDescription(), "fila 4, columna 4");
    form.button(15)->setFocus();
    walk({Qt::Key_Space});
    EXPECT_EQ(form.game().board().text(logic::Text2), "1");
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(form.button(15))->text(QAccessible::Description),
        "fila 4, columna 3");
    ASSERT_NE(program.form2IfLoaded(), nullptr);
    EXPECT_EQ(program.form2IfLoaded()->accessibleName(),
              "Felicitaciones. ¡¡¡ Lo lograste !!! en 1 movimientos");
    EXPECT_TRUE(form.isActiveWindow()) << "the congratulations took the focus";
    form.button(12)->setFocus();
    walk({Qt::Key_Enter});
    EXPECT_EQ(form.button(12)->accessibleDescription(), "fila 4, columna 4");
    walk({Qt::Key_Return});
    EXPECT_EQ(form.button(12)->pos(), QPoint(176, 128));
    EXPECT_EQ(form.game().board().text(logic::Text2), "3");
}

TEST_F(Keyboard, AccessKeysTheContactWindowsLinkAndOk)
{
    walk({Qt::Key_C}, Qt::AltModifier);
    ui::Form7 *contact = program.form7IfLoaded();
    ASSERT_NE(contact, nullptr);
    ASSERT_TRUE(activate(contact));
    QAccessibleInterface *link = QAccessible::queryAccessibleInterface(
        contact->findChild<QWidget *>(QStringLiteral("Picture2")));
    EXPECT_EQ(link->role(), QAccessible::Link);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(recorders.opened.size(), 1U);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "Command1");
    walk({Qt::Key_Space});
    EXPECT_EQ(program.form7IfLoaded(), nullptr);
    ASSERT_TRUE(activate(&form));
    QSignalSpy finished(&program, &ui::Program::finished);
    walk({Qt::Key_S}, Qt::AltModifier);
    EXPECT_EQ(finished.count(), 1);
}

} // namespace
