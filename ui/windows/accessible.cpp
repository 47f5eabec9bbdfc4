#include "ui/windows/accessible.h"

#include "ui/widgets/tileboard.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>

namespace ui {

namespace {

const char linkProperty[] = "deslizadorLink";

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

// A picture that opens a web page: a link whose press action is the mouse's click.
class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(QWidget *picture)
        : QAccessibleWidget(picture, QAccessible::Link)
    {
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            QMetaObject::invokeMethod(widget(), "clicked");
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

QAccessibleInterface *gameWidgets(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("ui::TileBoard"))
        return new BoardAccessible(static_cast<TileBoard *>(widget));
    if (widget->property(linkProperty).toBool())
        return new LinkAccessible(widget);
    // The congratulations tell, they ask nothing: a notification, which a screen reader reads
    // when it appears, whatever has the focus.
    if (className == QLatin1String("ui::Form2"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
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
}

void makeLink(QWidget *picture, const QString &name, const QString &address)
{
    picture->setProperty(linkProperty, true);
    picture->setAccessibleName(name);
    picture->setAccessibleDescription(address);
}

void announce(QWidget *window)
{
    QAccessibleEvent event(window, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

} // namespace ui
