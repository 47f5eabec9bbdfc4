#include "tests/support/ui.h"

#include "ui/fontsubstitution.h"
#include "ui/handler.h"

#include <QMouseEvent>

#include <cstdio>

namespace testsupport {

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void doubleClick(QWidget *widget)
{
    const QPointF at = widget->rect().center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const auto held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
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

ui::Form1 &shuffledBoard(ui::Program &program, ScriptedRandom &draws)
{
    ui::Form1 &form = program.showForm1();
    form.setRandomSource(&draws);
    form.mmezclar_Click();
    return form;
}

} // namespace testsupport

// Under AddressSanitizer: LeakSanitizer's record of loaded libraries' thread-local storage goes
// wrong once Qt has started a child process, and its check at exit crashes; without intercepting
// __tls_get_addr the check runs, and still reports every leak.
extern "C" const char *__asan_default_options()
{
    return "intercept_tls_get_addr=0";
}

int main(int argc, char *argv[])
{
    // The offscreen platform notes at every window that it cannot raise it or pass on size hints.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (!text.startsWith(QStringLiteral("This plugin does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(text));
        if (type == QtFatalMsg)
            std::abort();
    });
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
