// A long scripted session: every window is loaded and unloaded hundreds of times, the way a
// player would, and each round must give back every window it made. Built with
// -fsanitize=address (./test --sanitizers), LeakSanitizer checks at exit that nothing else stayed
// behind either.

#include "tests/support/ui.h"
#include "ui/form2.h"
#include "ui/form7.h"
#include "ui/frmsplash.h"
#include "ui/picturebutton.h"

#include <QApplication>

namespace {

using namespace testsupport;

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One game from start to "Salir", with every window opened and closed on the way.
void playOneSession()
{
    ui::Program program;
    int finished = 0;
    QObject::connect(&program, &ui::Program::finished, [&finished] { ++finished; });
    program.showSplash().Timer1_Timer();
    flushDeletes();
    ASSERT_EQ(program.splashIfLoaded(), nullptr);
    ASSERT_NE(program.form1IfLoaded(), nullptr);

    ScriptedRandom draws = oneMoveFromHome();
    ui::Form1 *form = &shuffledBoard(program, draws);
    click(form->button(15));
    ASSERT_NE(program.form2IfLoaded(), nullptr) << "the one click did not solve the board";
    program.form2IfLoaded()->Timer1_Timer();
    form->mcontacto_Click();
    ASSERT_NE(program.form7IfLoaded(), nullptr);
    program.form7IfLoaded()->Command1_Click();
    flushDeletes();
    ASSERT_EQ(program.form2IfLoaded(), nullptr);
    ASSERT_EQ(program.form7IfLoaded(), nullptr);

    // Closing the last window ends the program; showing the board again loads a fresh one.
    form->close();
    flushDeletes();
    EXPECT_EQ(finished, 1);
    form = &program.showForm1();
    form->mcontacto_Click();
    form->mmezclar_Click();
    form->msalir_Click();
    EXPECT_FALSE(program.anyLoaded());
    QCoreApplication::processEvents();
    flushDeletes();
}

TEST(Session, EveryWindowGoesAwayAfterHundredsOfRounds)
{
    Recorders recorders;
    for (int round = 0; round < 300 && !testing::Test::HasFatalFailure(); ++round) {
        SCOPED_TRACE(round);
        playOneSession();
        // Nothing of the round may stay: no window, hidden or not.
        ASSERT_TRUE(QApplication::topLevelWidgets().isEmpty())
            << QApplication::topLevelWidgets().size() << " top-level widgets after round " << round;
    }
    EXPECT_TRUE(recorders.errors.empty()) << recorders.errors.front().toStdString();
    EXPECT_TRUE(recorders.commandLines.empty());
}

} // namespace
