#include "ui/platform/browser.h"

#include "ui/platform/handler.h"

#if !defined(Q_OS_WIN)
#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#endif

namespace ui {

QString browserCommandLine(const QString &address)
{
    return QString::fromUtf8(browserPath) + QLatin1Char(' ') + address;
}

ProcessStart browserStart(const QString &commandLine)
{
    return maximizedStart(QString::fromUtf8(browserPath).toStdWString(),
                          commandLine.toStdWString());
}

#if defined(Q_OS_WIN)

QString SystemLauncher::open(const QString &address)
{
    const unsigned long error = startProcess(browserStart(browserCommandLine(address)));
    if (error != 0)
        return QStringLiteral("Windows no pudo iniciar %1 (error %2).")
            .arg(QString::fromUtf8(browserPath))
            .arg(error);
    return {};
}

#else

namespace {

// Openers still running, owned by the application object. At the end of the program they are
// stopped without a word: the browser an opener has already started stays, and an opener's end
// is no error once the game is over.
void stopOpeners()
{
    const auto openers = QCoreApplication::instance()->findChildren<QProcess *>(
        QStringLiteral("opener"), Qt::FindDirectChildrenOnly);
    for (QProcess *process : openers) {
        process->disconnect();
        process->kill();
        process->waitForFinished(1000);
        delete process;
    }
}

QString openerFailure(const QString &address, int code, QProcess::ExitStatus status)
{
    const QString what =
        QStringLiteral("No se pudo abrir la página %1 en el navegador.\n").arg(address);
    if (status != QProcess::NormalExit)
        return what +
               QStringLiteral("El programa que abre las páginas web terminó de forma anormal.");
    return what + QStringLiteral("El programa que abre las páginas web terminó con el código %1.")
                      .arg(code);
}

} // namespace

QString SystemLauncher::open(const QString &address)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return QStringLiteral("No se encontró xdg-open, el programa que abre las páginas web.");
    static const bool stopAtQuit =
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, stopOpeners);
    Q_UNUSED(stopAtQuit);
    // Watched, never waited for: an opener that gives up later (no browser set up, say) is
    // still reported while the game runs.
    auto *process = new QProcess(QCoreApplication::instance());
    process->setObjectName(QStringLiteral("opener"));
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, process,
                     [process, address](int code, QProcess::ExitStatus status) {
                         if (QCoreApplication::closingDown())
                             return;
                         if (status != QProcess::NormalExit || code != 0)
                             reportError(QStringLiteral("xdg-open"),
                                         openerFailure(address, code, status));
                         process->deleteLater();
                     });
    process->start(opener, {address});
    if (!process->waitForStarted()) {
        delete process;
        return QStringLiteral("No se pudo iniciar %1.").arg(opener);
    }
    return {};
}

#endif

namespace {

Launcher *&replacement()
{
    static Launcher *current = nullptr;
    return current;
}

} // namespace

Launcher &launcher()
{
    static SystemLauncher system;
    return replacement() ? *replacement() : system;
}

void setLauncher(Launcher *next)
{
    replacement() = next;
}

void openWebPage(const QString &handler, const QString &address)
{
    const QString failure = launcher().open(address);
    if (!failure.isEmpty())
        reportError(handler, QStringLiteral("No se pudo abrir la página %1 en el navegador.\n%2")
                                 .arg(address, failure));
}

} // namespace ui
