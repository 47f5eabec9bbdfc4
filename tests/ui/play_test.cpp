// Playing through the real widgets: clicks on the buttons, the menu, the congratulations.

#include "fixture.h"

#include <QAction>
#include <QLabel>
#include <QTimer>

namespace {

using logic::Text2;

class Play : public UiTest
{
};

QPoint at(const QWidget *w)
{
    return w->pos();
}

TEST_F(Play, BeforeAnyShuffleClicksMoveNothingButCount)
{
    ui::Form1 &form = program.showForm1();
    for (int tile : {12, 15, 1})
        click(form.button(tile));
    EXPECT_EQ(form.board().text(Text2), "3");
    EXPECT_EQ(at(form.button(12)), QPoint(176, 128));
    EXPECT_EQ(at(form.button(15)), QPoint(128, 176));
    EXPECT_EQ(program.form2IfLoaded(), nullptr);
}

TEST_F(Play, MenuShuffleAndATileClickMoveTheButtonsOnScreen)
{
    ui::Form1 &form = program.showForm1();
    form.setRandomSource(&draws);
    form.findChild<QAction *>(QStringLiteral("mmezclar"))->trigger();
    // Tile 15 stands on cell 16, the blank marker on cell 15.
    EXPECT_EQ(at(form.button(15)), QPoint(176, 176));
    EXPECT_EQ(at(form.button(logic::Command16)), QPoint(128, 176));
    EXPECT_EQ(form.board().text(Text2), "0");

    click(form.button(14)); // next to the empty cell 15
    EXPECT_EQ(at(form.button(14)), QPoint(128, 176));
    EXPECT_EQ(at(form.button(logic::Command16)), QPoint(80, 176));
    EXPECT_EQ(form.board().text(logic::tilePositionField(14)), "15");
    EXPECT_EQ(form.board().text(Text2), "1");

    click(form.button(1)); // far from it
    EXPECT_EQ(at(form.button(1)), QPoint(32, 32));
    EXPECT_EQ(form.board().text(Text2), "2");
}

TEST_F(Play, TheBlankMarkerDoesNothing)
{
    ui::Form1 &form = boardOneMoveFromSolved();
    click(form.button(logic::Command16));
    EXPECT_EQ(form.board().text(Text2), "0");
    EXPECT_EQ(at(form.button(logic::Command16)), QPoint(128, 176));
}

TEST_F(Play, SolvingShowsTheCountAndASecondSolveKeepsTheOpenWindow)
{
    ui::Form1 &form = boardOneMoveFromSolved();
    click(form.button(1)); // cannot move: counts
    click(form.button(15)); // home: solved on the second click
    ui::Form2 *congratulations = program.form2IfLoaded();
    ASSERT_NE(congratulations, nullptr);
    EXPECT_TRUE(congratulations->isVisible());
    auto *label2 = congratulations->findChild<QLabel *>(QStringLiteral("Label2"));
    EXPECT_EQ(label2->text(), QStringLiteral("en 2 movimientos"));

    // Still solved after a click that moves nothing: the same window, its text and timer kept.
    QTimer *timer = congratulations->timer();
    const int remaining = timer->remainingTime();
    click(form.button(3));
    EXPECT_EQ(program.form2IfLoaded(), congratulations);
    EXPECT_EQ(label2->text(), QStringLiteral("en 2 movimientos"));
    EXPECT_LE(timer->remainingTime(), remaining);

    // Once it has closed, the next solved click loads it afresh with the new count.
    congratulations->Timer1_Timer();
    EXPECT_EQ(program.form2IfLoaded(), nullptr);
    click(form.button(3));
    ASSERT_NE(program.form2IfLoaded(), nullptr);
    EXPECT_EQ(program.form2IfLoaded()->findChild<QLabel *>(QStringLiteral("Label2"))->text(),
              QStringLiteral("en 4 movimientos"));
}

TEST_F(Play, TheBoardStaysPlayableWhileTheCongratulationsShow)
{
    ui::Form1 &form = boardOneMoveFromSolved();
    click(form.button(15));
    ASSERT_NE(program.form2IfLoaded(), nullptr);
    click(form.button(15)); // out again
    EXPECT_EQ(at(form.button(15)), QPoint(176, 176));
    EXPECT_EQ(form.board().text(Text2), "2");
}

TEST_F(Play, ACorruptFlagStopsTheClickWithAMessageAndTheGameGoesOn)
{
    ui::Form1 &form = boardOneMoveFromSolved();
    form.board().setText(logic::cellFlagField(12), "x"); // a neighbour of tile 15's cell 16
    click(form.button(15));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Command15_Click: No coinciden los tipos")))
        << errors[0].toStdString();
    EXPECT_EQ(form.board().text(Text2), "0"); // stopped before the count
    EXPECT_EQ(at(form.button(15)), QPoint(176, 176));

    // A new shuffle repairs every field, and play goes on.
    draws = ScriptedDraws(oneMoveFromHome());
    form.mmezclar_Click();
    click(form.button(15));
    EXPECT_NE(program.form2IfLoaded(), nullptr);
    EXPECT_EQ(errors.size(), 1u);
}

} // namespace
