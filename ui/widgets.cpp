#include "ui/widgets.h"

#include "ui/windowframe.h"

#include <QFile>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>

namespace ui {

namespace {

const QColor highlight(255, 255, 255);
const QColor light(223, 223, 223);
const QColor shadow(128, 128, 128);
const QColor darkShadow(0, 0, 0);

// Two one-pixel bevels: the outer one in `outerTopLeft`/`outerBottomRight`, the inner inside it.
void drawBevel(QPainter &p, QRect r, QColor outerTopLeft, QColor outerBottomRight,
               QColor innerTopLeft, QColor innerBottomRight)
{
    auto edge = [&p](QRect box, QColor topLeft, QColor bottomRight) {
        p.setPen(topLeft);
        p.drawLine(box.topLeft(), box.topRight() - QPoint(1, 0));
        p.drawLine(box.topLeft(), box.bottomLeft() - QPoint(0, 1));
        p.setPen(bottomRight);
        p.drawLine(box.bottomLeft(), box.bottomRight());
        p.drawLine(box.topRight(), box.bottomRight());
    };
    edge(r, outerTopLeft, outerBottomRight);
    edge(r.adjusted(1, 1, -1, -1), innerTopLeft, innerBottomRight);
}

} // namespace

PictureButton::PictureButton(QColor face, QPixmap picture, QWidget *parent)
    : QAbstractButton(parent)
    , m_face(face)
    , m_picture(std::move(picture))
{
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_face);
    const bool sunken = isDown();
    if (sunken)
        drawBevel(p, r, darkShadow, darkShadow, shadow, m_face);
    else
        drawBevel(p, r, highlight, darkShadow, light, shadow);

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
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = r.adjusted(4, 4, -4, -4).translated(shift);
        option.backgroundColor = m_face;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

Frame::Frame(const QString &caption, QColor captionColor, QColor background, QWidget *parent)
    : QWidget(parent)
    , m_caption(caption)
    , m_captionColor(captionColor)
    , m_background(background)
{
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_background);
    const QFontMetrics metrics(font());
    // A caption sits on the top edge, which then runs through the middle of its text.
    const int edgeTop = m_caption.isEmpty() ? 0 : metrics.height() / 2;
    const QRect box = rect().adjusted(0, edgeTop, -1, -1);
    p.setPen(shadow);
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(highlight);
    p.drawRect(box.adjusted(1, 1, 0, 0));
    if (!m_caption.isEmpty()) {
        const QRect text(8, 0, metrics.horizontalAdvance(m_caption), metrics.height());
        p.fillRect(text, m_background);
        p.setPen(m_captionColor);
        p.drawText(text, Qt::AlignLeft | Qt::AlignTop, m_caption);
    }
}

PictureBox::PictureBox(QPixmap picture, Border border, QColor background, QWidget *parent)
    : QWidget(parent)
    , m_picture(std::move(picture))
    , m_border(border)
    , m_background(background)
{
}

int PictureBox::borderWidth() const
{
    switch (m_border) {
    case Border::None:
        return 0;
    case Border::Flat:
        return 1;
    case Border::Sunken:
        return 2;
    }
    return 0;
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_background);
    const int b = borderWidth();
    p.setClipRect(r.adjusted(b, b, -b, -b));
    p.drawPixmap(QPoint(b, b), m_picture);
    p.setClipping(false);
    if (m_border == Border::Flat) {
        p.setPen(darkShadow);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    } else if (m_border == Border::Sunken) {
        drawBevel(p, r, shadow, highlight, darkShadow, light);
    }
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

QTimer *makeTimer1(QObject *owner, int interval)
{
    auto *timer = new QTimer(owner);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(interval);
    return timer;
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The whole window, frame included, as centring a window has always meant.
    const QMargins frame = expectedFrameMargins(window);
    QRect outer = QRect(QPoint(), window->size()).marginsAdded(frame);
    outer.moveCenter(screen->availableGeometry().center());
    window->setGeometry(outer.marginsRemoved(frame));
}

namespace {

// The hot spot of a cursor file's first image: the CUR directory keeps it where an icon keeps
// its colour planes and bit count.
QPoint curHotSpot(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(6 + 16);
    if (head.size() < 22)
        return {};
    auto word = [&head](int at) {
        return static_cast<int>(static_cast<unsigned char>(head[at])) |
               static_cast<int>(static_cast<unsigned char>(head[at + 1])) << 8;
    };
    return {word(6 + 4), word(6 + 6)};
}

} // namespace

QCursor handCursor()
{
    const qreal ratio = qApp->devicePixelRatio();
    const QString path =
        ratio > 1.5 ? QStringLiteral(":/mano@2x.cur") : QStringLiteral(":/mano.cur");
    QPixmap picture(path, "CUR");
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    QPoint hot = curHotSpot(path);
    if (ratio > 1.5) {
        picture.setDevicePixelRatio(2.0);
        hot /= 2;
    }
    return QCursor(picture, hot.x(), hot.y());
}

} // namespace ui
