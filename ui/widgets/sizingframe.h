#pragma once

#include <QObject>

class QWidget;

namespace ui {

// The classic sizing frame of a window that draws its own border `width` pixels wide: over the
// border the pointer shows the resize arrows, and a left press there has the window system
// resize the window. The corners take a little more than the border. Made as a child of the
// window, it watches the window's own mouse events; whatever covers the inside of the border
// keeps its own pointer.
class SizingFrame : public QObject
{
public:
    SizingFrame(QWidget *window, int width);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Qt::Edges edgesAt(QPoint position) const;

    QWidget *m_window;
    int m_width;
    bool m_resizing = false; // since a press on the border, until its release reaches the window
};

} // namespace ui
