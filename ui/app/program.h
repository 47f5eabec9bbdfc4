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

// The program's four windows, each a single instance held here, and the one place that decides
// which window shows, loads and unloads: the windows only say what happened. A window is loaded
// (built from its layout, its load code run) when it is made visible while not loaded, and
// unloaded by its timer, its button, its close box or the end of the program; the next use
// loads it afresh. The program ends when its last loaded window is unloaded, whichever that is.
class Program : public QObject
{
    Q_OBJECT
public:
    Program();
    ~Program() override;

    // Make visible: load if needed, then show. A window already shown stays as it is. What a
    // window is made with (`made`) is used only when it is loaded.
    template<class Window, class... Made>
    Window &show(Made &&...made);
    // Loaded (built from its layout, its load code run), not shown.
    template<class Window, class... Made>
    Window &load(Made &&...made);
    template<class Window>
    Window *loaded() const;

    // The same for each window by its name, as the program and its tests call them.
    FrmSplash &showSplash();
    Form1 &showForm1();
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

protected:
    // A window's close box.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What the program does when each window says what happened.
    void listen(FrmSplash &splash);
    void listen(Form1 &board);
    void listen(Form2 &congratulations);
    void listen(Form7 &contact);

    // Each window's slot, in the order the program's end unloads them. A new window is one more
    // slot here and one more listen().
    std::tuple<QPointer<Form2>, QPointer<Form7>, QPointer<FrmSplash>, QPointer<Form1>> m_windows;
    // Centres a window that is not shown and shows it.
    static void present(QWidget *window);

    bool m_ended = false;
    std::unique_ptr<WindowGoneWatcher> m_goneWatcher;
};

// A window's type is enough to find its slot; using one needs the window's own header.

template<class Window, class... Made>
Window &Program::load(Made &&...made)
{
    QPointer<Window> &slot = std::get<QPointer<Window>>(m_windows);
    if (!slot) {
        slot = new Window(std::forward<Made>(made)...);
        slot->installEventFilter(this);
        listen(*slot);
    }
    return *slot;
}

template<class Window, class... Made>
Window &Program::show(Made &&...made)
{
    Window &window = load<Window>(std::forward<Made>(made)...);
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
