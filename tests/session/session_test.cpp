// A long scripted session: every window is loaded and unloaded hundreds of times, the way a
// player would, and each round must give back every window it made. Built with
// -fsanitize=address (./test --sanitizers), LeakSanitizer checks at exit that nothing else stayed
// behind either.

#include "logic/random.h"
#include "tests/offscreen_notes.h"
#include "ui/browser.h"
#include "ui/fontsubstitution.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form7.h"
#include "ui/frmsplash.h"
#include "ui/handler.h"
#include "ui/picturebutton.h"
#include "ui/program.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int rounds = 300;

// First draw picks tile 15, every later one tile 1: the shuffle ends one click from solved.
class OneMoveFromSolved : public logic::RandomSource
{
public:
    void reseedFromClock() override { }
    double draw() override { return m_first ? (m_first = false, 14.5 / 15) : 0.0; }

private:
    bool m_first = true;
};

// Records instead of starting a browser; the session never clicks a link, so any call fails.
class NoBrowser : public ui::Launcher
{
public:
    QString start(const QString &, const QString &) override
    {
        ++calls;
        return {};
    }
    int calls = 0;
};

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// One game from start to "Salir", with every window opened and closed on the way.
void playOneSession(int round)
{
    SCOPED_TRACE(round);
    ui::Program program;
    int finished = 0;
    QObject::connect(&program, &ui::Program::finished, [&finished] { ++finished; });

    program.showSplash().Timer1_Timer();
    flushDeletes();
    ASSERT_EQ(program.splashIfLoaded(), nullptr);
    ui::Form1 *form = program.form1IfLoaded();
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->isVisible());

    OneMoveFromSolved draws;
    form->setRandomSource(&draws);
    form->mmezclar_Click();
    QCoreApplication::processEvents();
    click(form->button(15));
    ui::Form2 *congratulations = program.form2IfLoaded();
    ASSERT_NE(congratulations, nullptr) << "the one click did not solve the board";
    congratulations->Timer1_Timer();
    flushDeletes();
    ASSERT_EQ(program.form2IfLoaded(), nullptr);

    form->mcontacto_Click();
    ui::Form7 *contact = program.form7IfLoaded();
    ASSERT_NE(contact, nullptr);
    contact->Command1_Click();
    flushDeletes();
    ASSERT_EQ(program.form7IfLoaded(), nullptr);

    // Closing the board window, the last one open, ends the program; showing it again loads a
    // fresh board.
    form->close();
    flushDeletes();
    ASSERT_EQ(program.form1IfLoaded(), nullptr);
    EXPECT_EQ(finished, 1);
    form = &program.showForm1();
    form->mcontacto_Click();
    ASSERT_NE(program.form7IfLoaded(), nullptr);
    form->mmezclar_Click();
    form->msalir_Click();
    flushDeletes();
    EXPECT_FALSE(program.anyLoaded());
    QCoreApplication::processEvents();
    flushDeletes();
}

TEST(Session, EveryWindowGoesAwayAfterHundredsOfRounds)
{
    NoBrowser browser;
    ui::setLauncher(&browser);
    std::vector<QString> errors;
    ui::setErrorReporter([&errors](const QString &handler, const QString &message) {
        errors.push_back(handler + QStringLiteral(": ") + message);
    });

    for (int round = 0; round < rounds; ++round) {
        playOneSession(round);
        if (testing::Test::HasFatalFailure())
            break;
        // Nothing of the round may stay: no window, hidden or not, and no object left for later.
        ASSERT_TRUE(QApplication::topLevelWidgets().isEmpty())
            << QApplication::topLevelWidgets().size() << " top-level widgets after round " << round;
    }
    EXPECT_TRUE(errors.empty()) << qPrintable(errors.front());
    EXPECT_EQ(browser.calls, 0);
    ui::setLauncher(nullptr);
    ui::setErrorReporter(nullptr);
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietOffscreenNotes);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int result = 0;
    {
        QApplication application(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        ui::installFontSubstitutions();
        testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
        flushDeletes();
    }
    // LeakSanitizer runs after this, when the process exits.
    return result;
}
