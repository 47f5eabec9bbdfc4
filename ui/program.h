#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace ui {

class Form1;
class Form2;
class Form7;
class FrmSplash;

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
    FrmSplash &showSplash();
    Form1 &showForm1();
    Form2 &showForm2();
    Form7 &showForm7();

    // The board window, loaded (not shown) if it is not: the congratulations read its counter.
    Form1 &form1();

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

signals:
    // The last window went away or the program was ended; main() leaves its event loop.
    void finished();

private:
    template<class Window>
    Window &load(QPointer<Window> &slot);
    template<class Window>
    Window &show(QPointer<Window> &slot);

    QPointer<FrmSplash> m_splash;
    QPointer<Form1> m_form1;
    QPointer<Form2> m_form2;
    QPointer<Form7> m_form7;
    bool m_ended = false;
};

} // namespace ui
