#pragma once

#include <QWidget>

namespace ui {

// A top-level window with no title bar that draws its own border around its client area, so
// that it looks the same under every window manager: a thin line (fixed single), a raised edge
// (fixed dialog), or a wider raised edge that the player can drag to resize the window (sizable).
class BorderedWindow : public QWidget
{
    Q_OBJECT
public:
    enum class Border { Single, Dialog, Sizable };

    BorderedWindow(QSize clientPixels, Border border, QColor background, Qt::WindowFlags flags);

    // Controls go here; their positions are relative to its top-left corner.
    QWidget *client() const { return m_client; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    // Neither the splash nor the congratulations can be dismissed; their timers unload them.
    void closeEvent(QCloseEvent *event) override;

private:
    Qt::Edges edgesAt(QPoint position) const;

    Border m_border;
    int m_thickness;
    QWidget *m_client;
};

} // namespace ui
