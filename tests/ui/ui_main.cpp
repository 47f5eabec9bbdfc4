#include "tests/offscreen_notes.h"
#include "ui/fontsubstitution.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietOffscreenNotes);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installFontSubstitutions();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
