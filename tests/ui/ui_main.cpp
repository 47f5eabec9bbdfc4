#include "ui/spanish.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The offscreen platform says at every window that it cannot raise it or pass on size hints.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg)
        abort();
}

} // namespace

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
