#include "ui/frmsplash.h"
#include "ui/program.h"
#include "ui/spanish.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Deslizador"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setDesktopFileName(QStringLiteral("deslizador"));
    // The program ends when its last loaded window is unloaded, splash and tool windows
    // included, which Qt's own rule would leave out.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installFontSubstitutions();

    ui::Program program;
    QObject::connect(&program, &ui::Program::finished, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    program.showSplash();
    return QApplication::exec();
}
