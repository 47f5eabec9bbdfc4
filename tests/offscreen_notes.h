#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

// The offscreen platform notes at every window that it cannot raise it or pass on size hints;
// everything else Qt says still gets through.
inline void quietOffscreenNotes(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg)
        std::abort();
}
