// Playing through the real widgets, and a long session that must give back every window it made.

#include "tests/support/ui.h"

namespace {

using namespace testsupport;
using logic::Command16;
using logic::Text2;
using Play = UiTest;

QPoint at(const ui::Form1 &form, int button)
{
    return form.button(button)->pos();
}

QString countShown(const ui::Program &program)
{
    return program.form2IfLoaded()->findChild<QLabel *>(QStringLiteral("Label2"))->text();
}

TEST_F(Play, ClicksMoveTheButtonsAndASecondSolveLeavesTheOpenCongratulationsAlone)
{
    ui::Form1 &form = program.showForm1();
    form.game().setRandomSource(&draws);
    QAction *shuffle = form.findChild<QAction *>(QStringLiteral("mmezclar"));
    shuffle->trigger();
    // A corrupt flag stops a click with a message, before the count; a shuffle repairs it.
    form.game().board().setText(logic::cellFlagField(12), "x"); // a neighbour of tile 15's cell 16
    click(form.button(15));
    ASSERT_EQ(recorders.errors.size(), 1u);
    EXPECT_TRUE(recorders.errors[0].startsWith("Command15_Click: No coinciden los tipos"));
    EXPECT_EQ(form.game().board().text(Text2), "0");
    draws = oneMoveFromHome();
    shuffle->trigger();
    EXPECT_EQ(at(form, 15), QPoint(176, 176)); // tile 15 on cell 16, the blank on cell 15
    click(form.button(14)); // next to the empty cell
    click(form.button(1)); // far from it: counts
    click(form.button(Command16)); // the blank marker is no tile
    EXPECT_EQ(at(form, 14), QPoint(128, 176));
    EXPECT_EQ(at(form, 1), QPoint(32, 32));
    EXPECT_EQ(at(form, Command16), QPoint(80, 176));
    EXPECT_EQ(form.game().board().text(Text2), "2");
    click(form.button(14));
    click(form.button(15)); // home
    ui::Form2 *shown = program.form2IfLoaded();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(countShown(program), QStringLiteral("en 4 movimientos"));
    // Solved again while it shows: the same window, its text kept, its timer left to run on
    // (stopped here, it must stay stopped). Once gone, it loads afresh with the new count.
    shown->timer()->stop();
    click(form.button(3));
    EXPECT_EQ(program.form2IfLoaded(), shown);
    EXPECT_EQ(countShown(program), QStringLiteral("en 4 movimientos"));
    EXPECT_FALSE(shown->timer()->isActive());
    shown->Timer1_Timer();
    EXPECT_EQ(program.form2IfLoaded(), nullptr);
    click(form.button(3));
    ASSERT_NE(program.form2IfLoaded(), nullptr);
    EXPECT_EQ(countShown(program), QStringLiteral("en 6 movimientos"));
    click(form.button(15)); // the board stays playable under it
    EXPECT_EQ(at(form, 15), QPoint(176, 176));
    EXPECT_EQ(recorders.errors.size(), 1u);
}

// Rounds of one game from start to "Salir", with every window opened and closed on the way.
TEST(Session, EveryWindowGoesAwayAfterHundredsOfRounds)
{
    Recorders recorders;
    for (int round = 0; round < 300; ++round) {
        {
            ui::Program program;
            ScriptedRandom draws = oneMoveFromHome();
            program.showSplash().Timer1_Timer();
            ui::Form1 *form = &shuffledBoard(program, draws);
            click(form->button(15));
            ASSERT_NE(program.form2IfLoaded(), nullptr) << "round " << round;
            program.form2IfLoaded()->Timer1_Timer();
            form->mcontacto_Click();
            program.form7IfLoaded()->Command1_Click();
            form->close(); // the last window: the program ends; showing the board loads a fresh one
            form = &program.showForm1();
            form->mcontacto_Click();
            form->mmezclar_Click();
            form->findChild<QAction *>(QStringLiteral("msalir"))->trigger();
            EXPECT_FALSE(program.anyLoaded());
        }
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(QApplication::topLevelWidgets().isEmpty()) << "after round " << round;
    }
    EXPECT_TRUE(recorders.errors.empty());
}

} // namespace
