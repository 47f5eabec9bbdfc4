#include "ui/widgets/tileboard.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include <algorithm>

namespace ui {

TileBoard::TileBoard(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Tablero"));
}

QList<QAbstractButton *> TileBoard::buttonsByPlace() const
{
    QList<QAbstractButton *> list =
        findChildren<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly);
    std::stable_sort(list.begin(), list.end(), [](const QWidget *a, const QWidget *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return list;
}

void TileBoard::keyPressEvent(QKeyEvent *event)
{
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Up:
        step = {0, -1};
        break;
    case Qt::Key_Down:
        step = {0, 1};
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    auto *from = qobject_cast<QAbstractButton *>(focusWidget());
    if (!from || from->parentWidget() != this)
        return;
    // The buttons fill every place, so the nearest one in the arrow's direction, on the same row
    // or column, stands on the neighbouring place.
    QAbstractButton *to = nullptr;
    int nearest = 0;
    for (QAbstractButton *b : buttonsByPlace()) {
        const QPoint d = b->pos() - from->pos();
        const bool inLine = step.x() ? d.y() == 0 : d.x() == 0;
        const int ahead = d.x() * step.x() + d.y() * step.y();
        if (inLine && ahead > 0 && (!to || ahead < nearest)) {
            to = b;
            nearest = ahead;
        }
    }
    if (to)
        to->setFocus(Qt::OtherFocusReason);
}

} // namespace ui
