// Which windows are loaded when, their timers, and when the program ends.

#include "fixture.h"

#include <QAction>
#include <QTimer>

namespace {

class Lifetime : public UiTest
{
protected:
    QSignalSpy finished {&program, &ui::Program::finished};
};

TEST_F(Lifetime, TheSplashShowsTheBoardAfterThreeSecondsAndGoes)
{
    ui::FrmSplash &splash = program.showSplash();
    QTimer *timer = splash.timer();
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 3000);
    EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
    EXPECT_EQ(program.form1IfLoaded(), nullptr);

    // Driven through the real timer, shortened.
    timer->start(0);
    QTRY_VERIFY(program.splashIfLoaded() == nullptr);
    ASSERT_NE(program.form1IfLoaded(), nullptr);
    EXPECT_TRUE(program.form1IfLoaded()->isVisible());
    EXPECT_EQ(finished.count(), 0);
}

TEST_F(Lifetime, CongratulationsCloseThemselvesFiveSecondsAfterLoading)
{
    ui::Form1 &form = boardOneMoveFromSolved();
    form.Command_Click(15);
    ui::Form2 *congratulations = program.form2IfLoaded();
    ASSERT_NE(congratulations, nullptr);
    EXPECT_EQ(congratulations->timer()->interval(), 5000);
    EXPECT_EQ(congratulations->timer()->timerType(), Qt::PreciseTimer);
    EXPECT_TRUE(congratulations->timer()->isActive());
    congratulations->close(); // cannot be dismissed early
    EXPECT_TRUE(congratulations->isVisible());

    congratulations->timer()->start(0);
    QTRY_VERIFY(program.form2IfLoaded() == nullptr);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(finished.count(), 0);
}

TEST_F(Lifetime, ContactOpensOnceAndOkUnloadsIt)
{
    ui::Form1 &form = program.showForm1();
    QAction *contact = form.findChild<QAction *>(QStringLiteral("mcontacto"));
    contact->trigger();
    ui::Form7 *first = program.form7IfLoaded();
    ASSERT_NE(first, nullptr);
    contact->trigger();
    EXPECT_EQ(program.form7IfLoaded(), first);
    const auto windows = QApplication::topLevelWidgets();
    EXPECT_EQ(
        std::count_if(windows.begin(), windows.end(),
                      [](QWidget *w) { return w->objectName() == "Form7" && w->isVisible(); }),
        1);

    click(first->findChild<QWidget *>(QStringLiteral("Command1")));
    EXPECT_EQ(program.form7IfLoaded(), nullptr);
    contact->trigger();
    EXPECT_NE(program.form7IfLoaded(), nullptr);
    EXPECT_NE(program.form7IfLoaded(), first);
}

TEST_F(Lifetime, ClosingTheBoardLeavesTheProgramRunningUntilTheLastWindowGoes)
{
    ui::Form1 &form = program.showForm1();
    form.mcontacto_Click();
    form.close();
    EXPECT_EQ(program.form1IfLoaded(), nullptr);
    EXPECT_EQ(finished.count(), 0);
    ui::Form7 *contact = program.form7IfLoaded();
    ASSERT_NE(contact, nullptr);
    contact->Command1_Click();
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(Lifetime, ClosingTheBoardWhileCongratulationsShowEndsWithTheirTimer)
{
    ui::Form1 &form = boardOneMoveFromSolved();
    form.Command_Click(15);
    form.close();
    EXPECT_EQ(finished.count(), 0);
    program.form2IfLoaded()->Timer1_Timer();
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(Lifetime, SalirEndsTheProgramWithEveryWindow)
{
    ui::Form1 &form = boardOneMoveFromSolved();
    form.Command_Click(15);
    form.mcontacto_Click();
    ASSERT_NE(program.form2IfLoaded(), nullptr);
    form.findChild<QAction *>(QStringLiteral("msalir"))->trigger();
    EXPECT_FALSE(program.anyLoaded());
    EXPECT_EQ(finished.count(), 1);
}

} // namespace
