#include "ui/app/errormessage.h"
#include "ui/app/program.h"
#include "ui/platform/fonts.h"
#include "ui/platform/handler.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

#if defined(Q_OS_LINUX)
// Without a display Qt would stop with a long message about platform plugins; say it plainly.
bool haveDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// With no session bus at all, libdbus would search PATH for dbus-launch and fork it while the
// first widget is made, only for the accessibility bridge to learn that no screen reader can be
// listening: about 10 ms of start-up. Where a bus exists (the variable, or the user bus in the
// runtime folder) nothing changes and screen readers are served as usual.
void skipBusAutolaunch()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus")))
        return;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

// On Wayland every window draws its own title bar or none, so Qt's decorations are never used.
// Only to learn whether it could draw them, Qt would bring up EGL and the graphics driver, which
// keeps an allocation to the end that LeakSanitizer reports; told so, it asks nothing.
void noWaylandDecorations()
{
    if (qEnvironmentVariableIsEmpty("QT_WAYLAND_DISABLE_WINDOWDECORATION"))
        qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
}

// While the application object is made, Qt's words are held back: a display that cannot be
// opened (no server at DISPLAY, a malformed DISPLAY, no compositor at WAYLAND_DISPLAY) would end
// it with a long English message about platform plugins. That case gets a plain one instead and
// exit status 1; otherwise what was held back is passed on once the display is open.
QtMessageHandler qtHandler = nullptr;
QList<std::pair<QtMsgType, QString>> heldBack;

void holdBack(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        heldBack.append({type, message});
        return;
    }
    QByteArray where;
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(name))
            where += (where.isEmpty() ? "" : ", ") + QByteArray(name) + '=' + qgetenv(name);
    std::fprintf(stderr,
                 "Deslizador no pudo abrir la pantalla (%s): no hay ninguna ahí o no se puede "
                 "usar. Sin pantalla, pruebe: xvfb-run -a deslizador\n",
                 where.isEmpty() ? "QT_QPA_PLATFORM" : where.constData());
    Q_UNUSED(context);
    std::fflush(stderr);
    std::_Exit(1);
}

void passOnHeldBack()
{
    qInstallMessageHandler(qtHandler);
    for (const auto &[type, message] : std::as_const(heldBack))
        qt_message_output(type, QMessageLogContext(), message);
    heldBack.clear();
}
#endif

} // namespace

int main(int argc, char *argv[])
{
#if defined(Q_OS_LINUX)
    if (!haveDisplay()) {
        std::fputs("Deslizador necesita una pantalla: no hay DISPLAY ni WAYLAND_DISPLAY. "
                   "Sin pantalla, pruebe: xvfb-run -a deslizador\n",
                   stderr);
        return 1;
    }
    skipBusAutolaunch();
    noWaylandDecorations();
    qtHandler = qInstallMessageHandler(holdBack);
#endif
    QApplication application(argc, argv);
#if defined(Q_OS_LINUX)
    passOnHeldBack();
#endif
    QApplication::setApplicationName(QStringLiteral("Deslizador"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setDesktopFileName(QStringLiteral("deslizador"));
    // The program ends when its last loaded window is unloaded, splash and tool windows
    // included, which Qt's own rule would leave out.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installFontSubstitutions();
    ui::setErrorReporter(ui::showErrorMessage);

    ui::Program program;
    QObject::connect(&program, &ui::Program::finished, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    program.showSplash();
    return QApplication::exec();
}
