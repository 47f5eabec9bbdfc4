#pragma once

// What the Qt suites share. Their main() (ui.cpp) runs every test offscreen with the game's fonts.

#include "tests/support/scripted.h"
#include "ui/app/errormessage.h"
#include "ui/app/program.h"
#include "ui/platform/browser.h"
#include "ui/platform/handler.h"
#include "ui/widgets/frame.h"
#include "ui/widgets/linkpicture.h"
#include "ui/widgets/picturebutton.h"
#include "ui/windows/form1.h"
#include "ui/windows/form2.h"
#include "ui/windows/form7.h"
#include "ui/windows/frmsplash.h"

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
inline void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}
void doubleClick(QWidget *widget);

// Records the pages opened and the error messages ("handler: message") instead of showing them,
// while it lives; open() answers `failure`.
struct Recorders : ui::Launcher
{
    Recorders()
    {
        ui::setLauncher(this);
        ui::setErrorReporter([this](const QString &handler, const QString &message) {
            errors.push_back(handler + QStringLiteral(": ") + message);
        });
    }
    ~Recorders() override
    {
        ui::setLauncher(nullptr);
        ui::setErrorReporter(nullptr);
    }
    QString open(const QString &address) override
    {
        opened.push_back(address);
        return failure;
    }
    std::vector<QString> opened, errors;
    QString failure;
};

// The board window, shown, shuffled with `draws`.
inline ui::Form1 &shuffledBoard(ui::Program &program, ScriptedRandom &draws)
{
    ui::Form1 &form = program.showForm1();
    form.game().setRandomSource(&draws);
    form.mmezclar_Click();
    return form;
}

// The picture link `name` of `window`.
inline ui::LinkPicture *link(QWidget &window, const char *name)
{
    return window.findChild<ui::LinkPicture *>(QString::fromLatin1(name));
}

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
