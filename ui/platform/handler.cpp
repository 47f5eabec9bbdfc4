#include "ui/platform/handler.h"

#include <cstdio>

namespace ui {

namespace {

ErrorReporter &reporter()
{
    static ErrorReporter current = writeErrorLine;
    return current;
}

} // namespace

void writeErrorLine(const QString &handler, const QString &message)
{
    std::fprintf(stderr, "Deslizador: %s: %s\n", qPrintable(handler),
                 qPrintable(QString(message).replace(QLatin1Char('\n'), QLatin1Char(' '))));
}

void setErrorReporter(ErrorReporter next)
{
    reporter() = next ? std::move(next) : writeErrorLine;
}

void reportError(const QString &handler, const QString &message)
{
    reporter()(handler, message);
}

} // namespace ui
