#include "ui/windows/accessible.h"

#include "ui/platform/uianotification.h"
#include "ui/widgets/frame.h"
#include "ui/widgets/linkpicture.h"
#include "ui/widgets/tileboard.h"
#include "ui/windows/form2.h"
#include "ui/windows/form7.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>

#ifdef DESLIZADOR_ATSPI
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#endif

namespace ui {

namespace {

class BoardAccessible : public QAccessibleWidget
{
public:
    explicit BoardAccessible(TileBoard *board)
        : QAccessibleWidget(board, QAccessible::Grouping, QStringLiteral("Tablero"))
    {
    }

    int childCount() const override { return static_cast<int>(buttons().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const auto list = buttons();
        if (index < 0 || index >= list.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(list.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return static_cast<int>(
            buttons().indexOf(qobject_cast<QAbstractButton *>(child->object())));
    }

private:
    QList<QAbstractButton *> buttons() const
    {
        return static_cast<TileBoard *>(widget())->buttonsByPlace();
    }
};

// A picture that opens a web page: a link whose press action opens it, as the mouse's click.
class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(LinkPicture *picture)
        : QAccessibleWidget(picture, QAccessible::Link)
    {
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            static_cast<LinkPicture *>(widget())->open();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

#ifdef DESLIZADOR_ATSPI
// Qt 6.4 tells the accessibility bus (AT-SPI) of a changed name or description by a signal
// whose value, where the new text belongs, is a reference to the object that changed. Orca
// speaks that value as the new text, is handed an object, and says nothing. These two changes
// are sent here instead, as the same signal carrying the text; every other event, and these too
// when Qt has no connection to the bus, goes on as if the relay were not there. The build leaves
// the relay out from Qt 6.5 on, which sends the text itself; the accessibility_bus test fails
// on a Qt that does not.
const QString objectPath = QStringLiteral("/org/a11y/atspi/accessible/");

// The (bus name, path) pair by which AT-SPI names an object: here the program's root.
struct ObjectReference
{
    QString service;
    QDBusObjectPath path;
};

QDBusArgument &operator<<(QDBusArgument &argument, const ObjectReference &reference)
{
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, ObjectReference &reference)
{
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

// The handler found installed when the relay was, a test's or another bridge's, if any.
QAccessible::UpdateHandler handlerBefore = nullptr;

void passOn(QAccessibleEvent *event)
{
    if (handlerBefore) {
        handlerBefore(event);
        return;
    }
    // With no handler installed, Qt hands the event to its own bridge.
    const QAccessible::UpdateHandler installed = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(installed);
}

bool sendTextChange(QAccessibleEvent *event)
{
    // Qt's own connection to the bus, under its own name: a reader finds the object that changed
    // by the sender's address and the object's path, which must be those Qt gives it.
    QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface *changed = event->accessibleInterface();
    if (!bus.isConnected() || !changed || !changed->isValid())
        return false;
    // Registered at the first change, not at start: most games are played without a reader.
    [[maybe_unused]] static const QMetaType type = qDBusRegisterMetaType<ObjectReference>();
    const bool name = event->type() == QAccessible::NameChanged;
    QDBusMessage signal = QDBusMessage::createSignal(
        objectPath + QString::number(QAccessible::uniqueId(changed)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    signal << QString::fromLatin1(name ? "accessible-name" : "accessible-description") << 0 << 0
           << QVariant::fromValue(
                  QDBusVariant(changed->text(name ? QAccessible::Name : QAccessible::Description)))
           << QVariant::fromValue(ObjectReference {
                  bus.baseService(), QDBusObjectPath(objectPath + QStringLiteral("root"))});
    return bus.send(signal);
}

void relayToBus(QAccessibleEvent *event)
{
    const bool textChange = event->type() == QAccessible::NameChanged ||
                            event->type() == QAccessible::DescriptionChanged;
    if (!textChange || !sendTextChange(event))
        passOn(event);
}
#endif

QAccessibleInterface *gameWidgets(const QString &, QObject *object)
{
    if (auto *board = qobject_cast<TileBoard *>(object))
        return new BoardAccessible(board);
    if (auto *link = qobject_cast<LinkPicture *>(object))
        return new LinkAccessible(link);
    // The congratulations tell, they ask nothing: a notification, which a screen reader reads
    // when it appears, whatever has the focus.
    if (auto *congratulations = qobject_cast<Form2 *>(object))
        return new QAccessibleWidget(congratulations, QAccessible::Notification);
    // The contact window is a dialog: a reader names it and reads its text when it opens.
    if (auto *contact = qobject_cast<Form7 *>(object))
        return new QAccessibleWidget(contact, QAccessible::Dialog);
    if (auto *frame = qobject_cast<Frame *>(object))
        return new QAccessibleWidget(frame, QAccessible::Grouping);
    return nullptr;
}

// The window a UI Automation notification is raised on: the one with the keyboard focus, whose
// elements the reader is following, else the widget's own.
QWidget *speaker(QWidget *widget)
{
    const QWidget *focus = QApplication::focusWidget();
    return focus ? focus->window() : widget->window();
}

} // namespace

QString placeDescription(int row, int column)
{
    return QStringLiteral("fila %1, columna %2").arg(row).arg(column);
}

void installAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(gameWidgets);
#ifdef DESLIZADOR_ATSPI
    handlerBefore = QAccessible::installUpdateHandler(relayToBus);
#endif
}

void tellFocus(QWidget *window)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != window)
        return;
    QAccessibleEvent event(focus, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void tellMoved(QWidget *button)
{
    raiseNotification(speaker(button), button->accessibleDescription(), Notice::Place);
}

void tellPlace(QWidget *button, bool changed)
{
    if (!changed) {
        QAccessibleEvent event(button, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
    raiseNotification(speaker(button), button->accessibleDescription(), Notice::Place);
}

void announce(QWidget *window)
{
    QAccessibleEvent event(window, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
    raiseNotification(speaker(window), window->accessibleName(), Notice::Event);
}

} // namespace ui
