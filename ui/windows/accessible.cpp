#include "ui/windows/accessible.h"

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
// Qt 6.4 tells the accessibility bus (AT-SPI) of a changed name or description by a signal whose
// value, where the new text belongs, is a reference to the object that changed. Orca speaks that
// value as the new text, is handed an object, and says nothing. These two changes are sent here
// instead, as the same signal carrying the text; every other event goes on to Qt.
const QString objectPath = QStringLiteral("/org/a11y/atspi/accessible/");

void sendTextChange(QAccessibleEvent *event)
{
    // Qt's own connection to the bus, under its own name: a reader finds the object that changed
    // by the sender's address and the object's path, which must be those Qt gives it.
    QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface *changed = event->accessibleInterface();
    if (!bus.isConnected() || !changed || !changed->isValid())
        return;
    const bool name = event->type() == QAccessible::NameChanged;
    QDBusArgument application; // the (bus name, path) of the program's root, as Qt sends it
    application.beginStructure();
    application << bus.baseService() << QDBusObjectPath(objectPath + QStringLiteral("root"));
    application.endStructure();
    QDBusMessage signal = QDBusMessage::createSignal(
        objectPath + QString::number(QAccessible::uniqueId(changed)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    signal << QString::fromLatin1(name ? "accessible-name" : "accessible-description") << 0 << 0
           << QVariant::fromValue(
                  QDBusVariant(changed->text(name ? QAccessible::Name : QAccessible::Description)))
           << QVariant::fromValue(application);
    bus.send(signal);
}

void relayToBus(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::NameChanged ||
        event->type() == QAccessible::DescriptionChanged) {
        sendTextChange(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(relayToBus);
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
    QAccessible::installUpdateHandler(relayToBus);
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

void tellDescription(QWidget *widget)
{
    QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void announce(QWidget *window)
{
    QAccessibleEvent event(window, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

} // namespace ui
