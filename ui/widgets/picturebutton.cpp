#include "ui/widgets/picturebutton.h"

#include "ui/widgets/bevel.h"

#include <QKeyEvent>
#include <QPainter>

namespace ui {

namespace {

// Focus cues stay hidden in a window until the keyboard is used to move about in it, as on the
// desktops this game grew up on; once shown, they stay for the window's life. A window shows them
// while it holds one of these.
class FocusCuesShown : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
};

bool focusCuesShown(const QWidget *widget)
{
    return widget->window()->findChild<FocusCuesShown *>(QString(), Qt::FindDirectChildrenOnly);
}

bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

void showFocusCues(QWidget *widget)
{
    if (focusCuesShown(widget))
        return;
    QWidget *window = widget->window();
    new FocusCuesShown(window);
    if (QWidget *focus = window->focusWidget())
        focus->update();
}

// The classic focus rectangle: a one-pixel line of every other pixel.
void drawFocusCue(QPainter &p, QRect r)
{
    const QBrush dots(Qt::black, Qt::Dense4Pattern);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), dots);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), dots);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), dots);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), dots);
}

} // namespace

PictureButton::PictureButton(QColor face, QPixmap picture, QWidget *parent)
    : QAbstractButton(parent)
    , m_face(face)
    , m_picture(std::move(picture))
{
    setFocusPolicy(Qt::StrongFocus);
}

bool PictureButton::event(QEvent *event)
{
    // The cues come on with a navigation key (Tab reaches here before Qt moves the focus on with
    // it) or with the focus arriving by Tab.
    if (event->type() == QEvent::KeyPress &&
        isNavigationKey(static_cast<QKeyEvent *>(event)->key()))
        showFocusCues(this);
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            showFocusCues(this);
    }
    return QAbstractButton::event(event);
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    // Space is the button's own (pressed on the key, clicked on its release); Enter clicks at once.
    // The arrows go to the container: the board knows which button is next to which.
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->ignore();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            click();
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_face);
    const bool sunken = isDown();
    if (sunken)
        drawBevel(p, r, {classic::darkShadow, classic::darkShadow}, {classic::shadow, m_face});
    else
        drawRaised(p, r);

    // Pressed, the content moves one pixel down and right, as the face sinks.
    const QPoint shift = sunken ? QPoint(1, 1) : QPoint(0, 0);
    if (!m_picture.isNull()) {
        const QSize size = m_picture.deviceIndependentSize().toSize();
        const QPoint at((r.width() - size.width()) / 2, (r.height() - size.height()) / 2);
        p.drawPixmap(at + shift, m_picture);
    }
    if (!text().isEmpty()) {
        p.setPen(palette().color(QPalette::ButtonText));
        p.setFont(font());
        p.drawText(r.translated(shift), Qt::AlignCenter, text());
    }
    if (hasFocus() && focusCuesShown(this))
        drawFocusCue(p, r.adjusted(4, 4, -4, -4).translated(shift));
}

} // namespace ui

#include "picturebutton.moc"
