#pragma once

// What the Qt suites share, the game's windows among them. Their main() (ui.cpp) runs every test on
// the offscreen platform with the program's fonts.

#include "tests/support/scripted.h"
#include "ui/browser.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form7.h"
#include "ui/frame.h"
#include "ui/frmsplash.h"
#include "ui/picturebutton.h"
#include "ui/program.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QString>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace testsupport {

// Lets the event loop run until `condition` holds; always checked: ASSERT_TRUE(waitUntil(...)).
inline bool waitUntil(const std::function<bool()> &condition)
{
    return QTest::qWaitFor(condition, 5000);
}

// A left click in the middle of `widget`; a double-click as the system delivers one (press,
// release, double-click, release).
void click(QWidget *widget);
void doubleClick(QWidget *widget);

// Records the browser starts and the error messages instead of making them, while it lives.
class Recorders : public ui::Launcher
{
public:
    Recorders();
    ~Recorders() override;
    QString start(const QString &commandLine, const QString &) override;

    std::vector<QString> commandLines;
    std::vector<QString> errors; // "handler: message"
    QString failure; // what start() answers
};

// The board window, shown, shuffled with `draws`.
ui::Form1 &shuffledBoard(ui::Program &program, ScriptedRandom &draws);

// Each test gets its own program and recorders.
class UiTest : public testing::Test
{
protected:
    // The board window, one click on tile 15 from solved.
    ui::Form1 &oneMoveFromSolved() { return shuffledBoard(program, draws); }

    ui::Program program;
    Recorders recorders;
    ScriptedRandom draws = oneMoveFromHome();
};

} // namespace testsupport
