#include "tests/support/ui.h"

#include "ui/fontsubstitution.h"
#include "ui/handler.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>

namespace testsupport {

bool waitUntil(const std::function<bool()> &condition, int ms)
{
    return QTest::qWaitFor(condition, ms);
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void doubleClick(QWidget *widget)
{
    const QPointF at = widget->rect().center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, held, {});
        QApplication::sendEvent(widget, &event);
    }
}

Recorders::Recorders()
{
    ui::setLauncher(this);
    ui::setErrorReporter([this](const QString &handler, const QString &message) {
        errors.push_back(handler + QStringLiteral(": ") + message);
    });
}

Recorders::~Recorders()
{
    ui::setLauncher(nullptr);
    ui::setErrorReporter(nullptr);
}

QString Recorders::start(const QString &commandLine, const QString &)
{
    commandLines.push_back(commandLine);
    return failure;
}

ScopedEnv::ScopedEnv(const char *name, const QByteArray &value)
    : m_name(name)
    , m_old(qgetenv(name))
    , m_had(qEnvironmentVariableIsSet(name))
{
    qputenv(name, value);
}

ScopedEnv::~ScopedEnv()
{
    if (m_had)
        qputenv(m_name, m_old);
    else
        qunsetenv(m_name);
}

ui::Form1 &shuffledBoard(ui::Program &program, ScriptedRandom &draws)
{
    ui::Form1 &form = program.showForm1();
    form.setRandomSource(&draws);
    form.mmezclar_Click();
    return form;
}

} // namespace testsupport

namespace {

// The offscreen platform notes at every window that it cannot raise it or pass on size hints.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

// Under AddressSanitizer: LeakSanitizer's own record of dynamically loaded libraries' thread-local
// storage goes wrong once Qt has started a child process, and its leak check at exit then
// crashes; without intercepting __tls_get_addr the check runs, and still reports every leak.
extern "C" const char *__asan_default_options()
{
    return "intercept_tls_get_addr=0";
}

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
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return result; // LeakSanitizer, in a sanitizer build, checks the process after this
}
