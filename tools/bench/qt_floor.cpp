// The least a Qt Widgets program does to put a window with a line of text on the screen: the
// floor under the game's start-up time and memory, measured beside it by tools/measure-startup.py.
// Like the game, it keeps libdbus from launching a session bus when there is none. Escape quits.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

namespace {

class Window : public QLabel
{
public:
    Window()
        : QLabel(QStringLiteral("Deslizador"))
    {
        setWindowTitle(QStringLiteral(" Deslizador"));
        resize(254, 296);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape)
            QApplication::quit();
    }
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    QApplication application(argc, argv);
    Window window;
    window.show();
    return QApplication::exec();
}
