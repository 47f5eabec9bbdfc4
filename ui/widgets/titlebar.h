#pragma once

#include <QWidget>

namespace ui {

// The classic title bar and raised frame, drawn by the program around a window of its own: the
// icon, the caption, and the minimize, maximize and close boxes. Where a window has neither a
// minimize nor a maximize box only the close box shows; no window of the program can be
// maximized, so the maximize box is drawn disabled. Dragging the caption moves the window.
//
// Wayland leaves the title bar to the program, and Qt's own there always offers an enabled
// maximize box: the compositor grants it, the window keeps its fixed size, and the compositor
// then ends the program's connection for a size it did not ask for. So there the program draws
// its own title bar; everywhere else the window system draws one and this is not used.
class TitleBar : public QWidget
{
public:
    static constexpr int border = 3;
    static constexpr int captionHeight = 18;

    // Gives the top-level `window` this title bar and frame, before it is shown, where the
    // window system leaves them to the program; `always` gives them anywhere. Returns whether
    // it did.
    static bool fit(QWidget *window, bool always = false);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum class Box { None, Minimize, Maximize, Close };

    TitleBar(QWidget *window, bool sizeBoxes);
    QRect boxRect(Box box) const;
    Box boxAt(QPoint point) const;
    void drawBox(QPainter &p, Box box) const;

    const bool m_sizeBoxes; // minimize and maximize, or neither
    Box m_pressed = Box::None;
    bool m_sunken = false; // the pressed box, while the pointer stays on it
};

} // namespace ui
