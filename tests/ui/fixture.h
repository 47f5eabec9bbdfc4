#pragma once

#include "logic/board.h"
#include "logic/random.h"
#include "ui/browser.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form7.h"
#include "ui/frame.h"
#include "ui/frmsplash.h"
#include "ui/handler.h"
#include "ui/picturebutton.h"
#include "ui/program.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

// Draws given in advance; after them, 0 (tile 1) for ever.
class ScriptedDraws : public logic::RandomSource
{
public:
    explicit ScriptedDraws(std::vector<double> draws)
        : m_draws(std::move(draws))
    {
    }
    void reseedFromClock() override { }
    double draw() override { return m_next < m_draws.size() ? m_draws[m_next++] : 0.0; }

private:
    std::vector<double> m_draws;
    std::size_t m_next = 0;
};

// Draws that pick tile 15 first, then tile 1 for the other 999 presses: the shuffle ends with
// only tile 15 out of place, in cell 16, and one click on it solves the board.
inline std::vector<double> oneMoveFromHome()
{
    return {14.5 / 15};
}

class RecordingLauncher : public ui::Launcher
{
public:
    QString start(const QString &commandLine, const QString &address) override
    {
        commandLines.push_back(commandLine);
        addresses.push_back(address);
        return failure;
    }
    std::vector<QString> commandLines;
    std::vector<QString> addresses;
    QString failure;
};

// Each test gets its own program, a recording launcher and a recorder of error messages.
class UiTest : public testing::Test
{
protected:
    UiTest()
    {
        ui::setLauncher(&launcher);
        ui::setErrorReporter([this](const QString &handler, const QString &message) {
            errors.push_back(handler + QStringLiteral(": ") + message);
        });
    }
    ~UiTest() override
    {
        ui::setLauncher(nullptr);
        ui::setErrorReporter(nullptr);
    }

    // The board window, shown, with a shuffle that leaves it one click from solved.
    ui::Form1 &boardOneMoveFromSolved()
    {
        ui::Form1 &form = program.showForm1();
        form.setRandomSource(&draws);
        form.mmezclar_Click();
        return form;
    }

    static void click(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    ui::Program program;
    RecordingLauncher launcher;
    std::vector<QString> errors;
    ScriptedDraws draws {oneMoveFromHome()};
};
