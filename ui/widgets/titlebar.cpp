#include "ui/widgets/titlebar.h"

#include "ui/widgets/bevel.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace ui {

namespace {

constexpr QSize boxSize(16, 14);
constexpr int iconSize = 16;

// The caption's gradient, left to right, and its text, as the window is active or not.
struct CaptionColours
{
    QColor left;
    QColor right;
    QColor text;
};
const CaptionColours activeCaption {QColor(0, 0, 128), QColor(16, 132, 208), Qt::white};
const CaptionColours inactiveCaption {QColor(128, 128, 128), QColor(192, 192, 192), classic::face};

} // namespace

bool TitleBar::fit(QWidget *window, bool always)
{
    if (!always && QGuiApplication::platformName() != QLatin1String("wayland"))
        return false;
    // Qt keeps no frameless window with a minimize box: the boxes are told to the title bar, and
    // the window keeps only its type.
    const bool sizeBoxes =
        window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    window->setWindowFlags(window->windowType() | Qt::FramelessWindowHint);
    window->setContentsMargins(border, border + captionHeight, border, border);
    new TitleBar(window, sizeBoxes);
    return true;
}

TitleBar::TitleBar(QWidget *window, bool sizeBoxes)
    : QWidget(window)
    , m_sizeBoxes(sizeBoxes)
{
    setObjectName(QStringLiteral("titleBar"));
    // Beneath the window's own widgets, which stand inside the frame.
    setGeometry(window->rect());
    lower();
    window->installEventFilter(this);
}

bool TitleBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent()) {
        switch (event->type()) {
        case QEvent::Resize:
            setGeometry(parentWidget()->rect());
            break;
        case QEvent::ActivationChange:
        case QEvent::WindowTitleChange:
        case QEvent::WindowIconChange:
            update();
            break;
        default:
            break;
        }
    }
    return false;
}

QRect TitleBar::boxRect(Box box) const
{
    const QRect close(QPoint(width() - border - 2 - boxSize.width(), border + 2), boxSize);
    switch (box) {
    case Box::Close:
        return close;
    case Box::Maximize:
        return m_sizeBoxes ? close.translated(-2 - boxSize.width(), 0) : QRect();
    case Box::Minimize:
        return m_sizeBoxes ? close.translated(-2 - 2 * boxSize.width(), 0) : QRect();
    case Box::None:
        break;
    }
    return {};
}

TitleBar::Box TitleBar::boxAt(QPoint point) const
{
    for (Box box : {Box::Minimize, Box::Maximize, Box::Close})
        if (boxRect(box).contains(point))
            return box;
    return Box::None;
}

void TitleBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    drawWindowFrame(p, rect());

    const QRect caption(border, border, width() - 2 * border, captionHeight);
    const CaptionColours &colours = window()->isActiveWindow() ? activeCaption : inactiveCaption;
    QLinearGradient gradient(caption.topLeft(), caption.topRight());
    gradient.setColorAt(0, colours.left);
    gradient.setColorAt(1, colours.right);
    p.fillRect(caption, gradient);

    // The icon, when the window has one; a message box has none, and its caption starts there.
    const QIcon windowIcon = window()->windowIcon();
    const QRect icon(caption.left() + 1, caption.top() + 1, windowIcon.isNull() ? 0 : iconSize,
                     iconSize);
    windowIcon.paint(&p, icon);
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(colours.text);
    const int textEnd = boxRect(m_sizeBoxes ? Box::Minimize : Box::Close).left() - 2;
    const int textStart = icon.left() + icon.width() + 3;
    const QRect text(textStart, caption.top(), textEnd - textStart, captionHeight);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight, text.width()));

    for (Box box : {Box::Minimize, Box::Maximize, Box::Close})
        if (boxRect(box).isValid())
            drawBox(p, box);
}

void TitleBar::drawBox(QPainter &p, Box box) const
{
    const QRect r = boxRect(box);
    const bool sunken = m_sunken && box == m_pressed;
    p.fillRect(r, classic::face);
    if (sunken)
        drawBevel(p, r, {classic::darkShadow, classic::highlight},
                  {classic::shadow, classic::light});
    else
        drawRaised(p, r);

    // The glyphs, as whole pixels from the box's corner; a pressed box shows its glyph one pixel
    // down and right, a disabled one is etched: white one pixel down and right, grey over it.
    const auto glyph = [&](QPoint at, QColor colour) {
        const auto fill = [&](int x, int y, int w, int h) {
            p.fillRect(QRect(r.topLeft() + at + QPoint(x, y), QSize(w, h)), colour);
        };
        switch (box) {
        case Box::Minimize:
            fill(4, 9, 6, 2);
            break;
        case Box::Maximize:
            fill(3, 2, 9, 2);
            fill(3, 4, 1, 7);
            fill(11, 4, 1, 7);
            fill(3, 10, 9, 1);
            break;
        case Box::Close:
            for (int i = 0; i < 7; ++i) {
                fill(4 + i, 3 + i, 2, 1);
                fill(10 - i, 3 + i, 2, 1);
            }
            break;
        case Box::None:
            break;
        }
    };
    if (box == Box::Maximize) {
        glyph(QPoint(1, 1), classic::highlight);
        glyph(QPoint(0, 0), classic::shadow);
    } else {
        glyph(sunken ? QPoint(1, 1) : QPoint(0, 0), classic::darkShadow);
    }
}

void TitleBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    m_pressed = boxAt(at);
    if (m_pressed == Box::Maximize) { // disabled
        m_pressed = Box::None;
    } else if (m_pressed != Box::None) {
        m_sunken = true;
        update(boxRect(m_pressed));
    } else if (at.y() < border + captionHeight && window()->windowHandle()) {
        window()->windowHandle()->startSystemMove();
    }
}

void TitleBar::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressed == Box::None)
        return;
    const bool over = boxAt(event->position().toPoint()) == m_pressed;
    if (over != m_sunken) {
        m_sunken = over;
        update(boxRect(m_pressed));
    }
}

void TitleBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_pressed == Box::None)
        return;
    const Box released = m_sunken ? m_pressed : Box::None;
    update(boxRect(m_pressed));
    m_pressed = Box::None;
    m_sunken = false;
    if (released == Box::Minimize)
        window()->showMinimized();
    else if (released == Box::Close)
        window()->close();
}

} // namespace ui
