#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QWidget>

class QTimer;

namespace ui {

// A command button in the graphical style: the face filled with its own colour, a picture or a
// caption centred on it, the raised edge of a classic button that sinks while pressed.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    PictureButton(QColor face, QPixmap picture, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_face;
    QPixmap m_picture;
};

// A frame: an etched rectangle with an optional caption on its top edge.
class Frame : public QWidget
{
    Q_OBJECT
public:
    Frame(const QString &caption, QColor captionColor, QColor background, QWidget *parent);

    const QString &caption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    QColor m_captionColor;
    QColor m_background;
};

// A picture box: a picture drawn at the top-left inside an optional border, cut off at the
// edges. Emits clicked() when the mouse is pressed and released on it.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    enum class Border { None, Flat, Sunken };

    PictureBox(QPixmap picture, Border border, QColor background, QWidget *parent);

    // The width of its border on each side, in pixels.
    int borderWidth() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    Border m_border;
    QColor m_background;
    bool m_pressed = false;
};

// A window's `Timer1`: `interval` milliseconds, precise (Qt's default coarse timers may fire up
// to 5 % early), not started.
QTimer *makeTimer1(QObject *owner, int interval);

// Puts a window, frame included, in the middle of the screen it is on.
void centreOnScreen(QWidget *window);

// The pointing hand over the banner and the web-address picture, hot spot at the stick's tip.
QCursor handCursor();

} // namespace ui
