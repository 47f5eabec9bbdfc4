#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <tuple>

namespace ui {

class Form1;
class Form2;
class Form7;
class FrmSplash;
class WindowGoneWatcher;

// The program's four windows, each a single instance held here. A window is loaded (built from
// its layout, its load code run) when it is made visible while not loaded, and unloaded by its
// timer, its button, its close box or the end of the program; the next use loads it afresh.
// The program ends when its last loaded window is unloaded, whichever window that is.
class Program : public QObject
{
    Q_OBJECT
public:
    Program();
    ~Program() override;

    static Program &current();

    // Make visible: load if needed, then show. A window already shown stays as it is.
    template<class Window>
    Window &show();
    // Loaded (built from its layout, its load code run), not shown.
    template<class Window>
    Window &load();
    template<class Window>
    Window *loaded() const;

    // The same for each window by its name, as the program and its tests call them.
    FrmSplash &showSplash();
    Form1 &showForm1();
    Form2 &showForm2();
    Form7 &showForm7();
    FrmSplash *splashIfLoaded() const;
    Form1 *form1IfLoaded() const;
    Form2 *form2IfLoaded() const;
    Form7 *form7IfLoaded() const;

    // Unloads one of the four windows. Safe from inside that window's own handlers: the widget is
    // hidden and forgotten at once and deleted once its handler has returned.
    void unload(QWidget *window);

    // Ends the program at once with every window ("Salir").
    void end();

    bool anyLoaded() const;
    // The windows loaded now, in the order the program's end unloads them.
    QList<QWidget *> loadedWindows() const;

signals:
    // The last window went away or the program was ended; main() leaves its event loop.
    void finished();

private:
    // Each window's slot, in the order the program's end unloads them: the board last, since the
    // others read it. A new window is one more slot here.
    std::tuple<QPointer<Form2>, QPointer<Form7>, QPointer<FrmSplash>, QPointer<Form1>> m_windows;
    // Centres a window that is not shown and shows it.
    static void present(QWidget *window);

    bool m_ended = false;
    std::unique_ptr<WindowGoneWatcher> m_goneWatcher;
};

// A window's type is enough to find its slot; using one needs the window's own header.

template<class Window>
Window &Program::load()
{
    QPointer<Window> &slot = std::get<QPointer<Window>>(m_windows);
    if (!slot)
        slot = new Window();
    return *slot;
}

template<class Window>
Window &Program::show()
{
    Window &window = load<Window>();
    if (!window.isVisible())
        present(&window);
    return window;
}

template<class Window>
Window *Program::loaded() const
{
    return std::get<QPointer<Window>>(m_windows);
}

} // namespace ui
