#pragma once

#include "ui/platform/winlaunch.h"

#include <QString>

namespace ui {

// The browser the game starts for its two web pages, by its fixed path. The path is not quoted
// on the command line, although it has blanks.
inline constexpr char browserPath[] = R"(C:\Archivos de programa\Internet Explorer\IEXPLORE.EXE)";

// The browser's path, one blank, the page's address.
QString browserCommandLine(const QString &address);

// What Windows is asked to start for `commandLine`: the browser by its fixed path, maximized
// with the focus (window style 3).
ProcessStart browserStart(const QString &commandLine);

// Opens a web page in a program it starts, and does not wait for it.
class Launcher
{
public:
    virtual ~Launcher() = default;
    // Returns an empty string on success, otherwise why it failed, in Spanish.
    virtual QString open(const QString &address) = 0;
};

// On Windows: the browser's command line for the address, as a new process, maximized with the
// focus (window style 3). Elsewhere that browser does not exist; the address goes to the
// desktop's opener, xdg-open. An opener that fails afterwards is reported while the game runs;
// those still running when the program ends are stopped without a word.
class SystemLauncher : public Launcher
{
public:
    QString open(const QString &address) override;
};

Launcher &launcher();
// Tests put a recording launcher here; nullptr restores the system's.
void setLauncher(Launcher *replacement);

// Opens a web page; a start that fails is reported from `handler` and the program goes on.
void openWebPage(const QString &handler, const QString &address);

} // namespace ui
