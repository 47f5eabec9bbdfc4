#include "ui/windows/accessible.h"

#include "ui/widgets/linkpicture.h"
#include "ui/widgets/tileboard.h"
#include "ui/windows/form2.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>

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

void announce(QWidget *window)
{
    QAccessibleEvent event(window, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

} // namespace ui
