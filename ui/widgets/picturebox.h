#pragma once

#include "ui/widgets/bevel.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace ui {

// A picture box: a picture drawn at the top-left inside an optional border, cut off at the
// edges. Emits clicked() when the mouse is pressed and released on it, or, when it takes the
// focus, on Space or Enter; focused, it shows the dotted focus cue just inside its border.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    PictureBox(QPixmap picture, Border border, QColor background, QWidget *parent);

signals:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false; // a left press began on it
    QPixmap m_picture;
    Border m_border;
    QColor m_background;
};

} // namespace ui
