// The board played from the keyboard, and what a screen reader is told about it.

#include "tests/support/ui.h"
#include "ui/form2.h"
#include "ui/form7.h"
#include "ui/picturebutton.h"
#include "ui/tileboard.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

using namespace testsupport;
using logic::Text2;

class Keyboard : public UiTest
{
protected:
    ui::Form1 &activeBoard(bool shuffled = true)
    {
        ui::Form1 &form = shuffled ? oneMoveFromSolved() : program.showForm1();
        form.activateWindow();
        EXPECT_TRUE(waitUntil([&] { return form.isActiveWindow(); }));
        return form;
    }
    static void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    static QString focused() { return QApplication::focusWidget()->objectName(); }
};

// Dark dots on the line four pixels inside a button's top edge, where the focus cue runs.
int cueDots(QWidget *button)
{
    const QImage face = button->grab().toImage();
    int dots = 0;
    for (int x = 4; x < button->width() - 4; ++x)
        dots += qGray(face.pixel(x, 4)) < 64;
    return dots;
}

TEST_F(Keyboard, NothingVisibleHasTheFocusUntilTabThenTabWalksTheSixteenButtons)
{
    ui::Form1 &form = activeBoard(false);
    EXPECT_EQ(qobject_cast<ui::PictureButton *>(QApplication::focusWidget()), nullptr);
    click(form.button(5)); // a click focuses the button, but shows no cue
    ASSERT_EQ(focused(), "Command5");
    EXPECT_EQ(cueDots(form.button(5)), 0);
    QStringList walk;
    for (int i = 0; i < 12; ++i) {
        key(Qt::Key_Tab);
        walk << focused();
    }
    EXPECT_EQ(walk.join(' '), "Command6 Command7 Command8 Command9 Command10 Command11 Command12 "
                              "Command13 Command14 Command15 Command16 Command1");
    EXPECT_GT(cueDots(form.button(1)), 10);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), "Command16");
}

TEST_F(Keyboard, ArrowsGoToTheNeighbouringPlaceAsTheBoardStands)
{
    // Tile 15 stands on place 16, the blank marker on place 15.
    ui::Form1 &form = activeBoard();
    form.button(11)->setFocus();
    QStringList walk;
    for (int arrow : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Up,
                      Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left}) {
        key(arrow);
        walk << focused();
    }
    EXPECT_EQ(walk.join(' '), "Command16 Command15 Command15 Command15 Command12 Command11 "
                              "Command10 Command9 Command9");
    EXPECT_GT(cueDots(form.button(9)), 10);
}

TEST_F(Keyboard, SpaceAndEnterClickAndTheScreenReaderHearsTheNewPlace)
{
    ui::Form1 &form = activeBoard();
    QAccessibleInterface *tile15 = QAccessible::queryAccessibleInterface(form.button(15));
    EXPECT_EQ(tile15->text(QAccessible::Description), "fila 4, columna 4");
    form.button(15)->setFocus();
    key(Qt::Key_Space);
    EXPECT_EQ(form.board().text(Text2), "1");
    EXPECT_EQ(tile15->text(QAccessible::Description), "fila 4, columna 3");
    ASSERT_NE(program.form2IfLoaded(), nullptr);
    EXPECT_EQ(program.form2IfLoaded()->accessibleName(),
              "Felicitaciones. ¡¡¡ Lo lograste !!! en 1 movimientos");
    EXPECT_TRUE(form.isActiveWindow()) << "the congratulations took the focus";
    form.button(logic::Command16)->setFocus();
    key(Qt::Key_Return);
    EXPECT_EQ(form.board().text(Text2), "1");
    form.button(12)->setFocus();
    key(Qt::Key_Enter);
    EXPECT_EQ(form.board().text(Text2), "2");
    EXPECT_EQ(form.button(12)->pos(), QPoint(176, 176));
    EXPECT_EQ(form.button(12)->accessibleDescription(), "fila 4, columna 4");
}

TEST_F(Keyboard, ScreenReaderMeetsTheTilesInPlaceOrderAndPressesThem)
{
    ui::Form1 &form = activeBoard();
    QAccessibleInterface *board =
        QAccessible::queryAccessibleInterface(form.findChild<ui::TileBoard *>());
    EXPECT_EQ(board->text(QAccessible::Name), "Tablero");
    ASSERT_EQ(board->childCount(), 16);
    EXPECT_EQ(board->child(14)->text(QAccessible::Name), "Lugar vacío");
    EXPECT_EQ(board->child(15)->text(QAccessible::Name), "15");
    EXPECT_EQ(board->child(15)->role(), QAccessible::Button);
    board->child(10)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // Qt's press is the button's animated click; tile 11 cannot move, but the press counts.
    EXPECT_TRUE(waitUntil([&] { return form.board().text(Text2) == "1"; }));

    QAccessibleInterface *banner =
        QAccessible::queryAccessibleInterface(form.findChild<QWidget *>("Image1"));
    EXPECT_EQ(banner->role(), QAccessible::Link);
    EXPECT_EQ(banner->text(QAccessible::Name), "Ludoteca");
    EXPECT_EQ(banner->text(QAccessible::Description), "http://www.ludoteca.example/");
    banner->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(recorders.commandLines.size(), 1U);
    EXPECT_TRUE(recorders.commandLines[0].endsWith(" http://www.ludoteca.example/"));
}

TEST_F(Keyboard, MenuAccessKeysAndTheContactWindowsOk)
{
    ui::Form1 &form = activeBoard(false);
    form.setRandomSource(&draws);
    key(Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(form.board().text(logic::Text1), "1");
    for (int press : {Qt::Key_Return, Qt::Key_Space}) {
        key(Qt::Key_C, Qt::AltModifier);
        ui::Form7 *contact = program.form7IfLoaded();
        ASSERT_NE(contact, nullptr);
        contact->activateWindow();
        ASSERT_TRUE(waitUntil([&] { return contact->isActiveWindow(); }));
        ASSERT_EQ(focused(), "Command1");
        key(press);
        EXPECT_EQ(program.form7IfLoaded(), nullptr);
        form.activateWindow();
        ASSERT_TRUE(waitUntil([&] { return form.isActiveWindow(); }));
    }
    QSignalSpy finished(&program, &ui::Program::finished);
    key(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(finished.count(), 1);
}

} // namespace
